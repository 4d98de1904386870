#include "ui/patchactions.h"

#include "rom/backup.h"
#include "rom/patchfile.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>

namespace quib {

namespace {

const QString romfilter = QStringLiteral("NES ROM images (*.nes *.orig);;All files (*)");
const QString patchfilter = QStringLiteral("BPS patches (*.bps);;IPS patches (*.ips);;All files (*)");
const QString anypatchfilter = QStringLiteral("Patches (*.bps *.ips);;All files (*)");

// The file beside `path` with the same base name and another extension.
QString besidewith(const QString &path, const QString &suffix)
{
    const QFileInfo info(path);
    return info.absoluteDir().filePath(info.completeBaseName() + suffix);
}

bool samefile(const QString &a, const QString &b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

} // namespace

QString askfile(QWidget *parent, const FileQuestion &q)
{
    QString selected;
    if (!q.save)
        return QFileDialog::getOpenFileName(parent, q.caption, q.initial, q.filter, &selected);
    QString path = QFileDialog::getSaveFileName(parent, q.caption, q.initial, q.filter, &selected);
    // "BPS patches (*.bps)" gives ".bps" to a name typed without one.
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("\\(\\*(\\.\\w+)\\)")).match(selected);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty() && m.hasMatch())
        path += m.captured(1);
    return path;
}

QString createpatchflow(QWidget *parent, const QString &rompath, const QString &datadir, const FilePicker &pick)
{
    QString offered = QFileInfo(rompath).absolutePath();
    for (const QString &kept : {originalpath(rompath), originalindatafolder(rompath, datadir)})
        if (QFileInfo(kept).isFile()) {
            offered = kept;
            break;
        }
    const QString original = pick(parent, {false, QStringLiteral("Unmodified ROM"), offered, romfilter});
    if (original.isEmpty())
        return {};
    if (samefile(original, rompath)) {
        QMessageBox::warning(parent, QStringLiteral("Patch not created"),
                             QStringLiteral("%1 is the ROM being edited. Choose an unmodified copy of the game.")
                                 .arg(QDir::toNativeSeparators(original)));
        return {};
    }
    const QString patch = pick(parent, {true, QStringLiteral("Create patch"), besidewith(rompath, QStringLiteral(".bps")),
                                        patchfilter});
    if (patch.isEmpty())
        return {};
    QString error;
    if (!createpatchfile(original, rompath, patch, &error)) {
        QMessageBox::warning(parent, QStringLiteral("Patch not created"), error);
        return {};
    }
    return QStringLiteral("Patch written to %1").arg(QDir::toNativeSeparators(patch));
}

QString applypatchflow(QWidget *parent, const QString &rompath, const FilePicker &pick)
{
    const QString patch =
        pick(parent, {false, QStringLiteral("Apply patch"), QFileInfo(rompath).absolutePath(), anypatchfilter});
    if (patch.isEmpty())
        return {};
    QString offered = besidewith(patch, QStringLiteral(".nes"));
    if (samefile(offered, rompath))
        offered = besidewith(patch, QStringLiteral("-patched.nes"));
    const QString output = pick(parent, {true, QStringLiteral("Write the patched ROM"), offered, romfilter});
    if (output.isEmpty())
        return {};
    QString error;
    if (!applypatchfile(patch, rompath, output, &error)) {
        QMessageBox::warning(parent, QStringLiteral("Patch not applied"), error);
        return {};
    }
    return output;
}

} // namespace quib
