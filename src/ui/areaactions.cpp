#include "ui/areaactions.h"

#include "editor/document.h"
#include "editor/editorstate.h"
#include "level/areafile.h"
#include "rom/hex.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

namespace quib {

namespace {

const QString areafilter = QStringLiteral("Area files (*.json);;All files (*)");

// "area-1E0D6.json" beside the ROM: the object offset as the editor shows it.
QString offeredname(const EditorState &s)
{
    const int32_t shown = s.level.lvlobjpos - (s.hdrofs ? 0 : 0x10);
    return QFileInfo(s.rom.path()).absoluteDir().filePath(QStringLiteral("area-%1.json").arg(hexstr(shown)));
}

} // namespace

QString exportareaflow(QWidget *parent, Document &doc, const FilePicker &pick)
{
    const EditorState &s = doc.state();
    const QString path = pick(parent, {true, QStringLiteral("Export area"), offeredname(s), areafilter});
    if (path.isEmpty())
        return {};
    QString error;
    if (!saveareafile(path, s.level.document(), &error)) {
        QMessageBox::warning(parent, QStringLiteral("Area not exported"),
                             QStringLiteral("Can't write '%1': %2").arg(QDir::toNativeSeparators(path), error));
        return {};
    }
    return QStringLiteral("Area exported to %1").arg(QDir::toNativeSeparators(path));
}

QString importareaflow(QWidget *parent, Document &doc, const FilePicker &pick)
{
    EditorState &s = doc.state();
    const QString path =
        pick(parent, {false, QStringLiteral("Import area"), QFileInfo(s.rom.path()).absolutePath(), areafilter});
    if (path.isEmpty())
        return {};
    const QString name = QDir::toNativeSeparators(path);
    auto refuse = [&](const QString &why) {
        QMessageBox::warning(parent, QStringLiteral("Area not imported"),
                             QStringLiteral("%1 was not imported.\n\n%2").arg(name, why));
        return QString();
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(QStringLiteral("Can't read it: %1").arg(file.errorString()));
    // An area file is a few kilobytes; anything far larger is not one.
    constexpr qint64 largest = 1 << 20;
    if (file.size() > largest)
        return refuse(QStringLiteral("It is too large to be an area file."));
    QString error;
    const std::optional<AreaFile> area = readareafile(file.readAll(), &error);
    if (!area)
        return refuse(error);
    if (area->objset != s.level.lvlobjset
        && QMessageBox::question(parent, QStringLiteral("Import area"),
                                 QStringLiteral("%1 holds an area of object set %2, but this area uses object set "
                                                "%3: its objects will show as the objects of set %3.\n\nImport it?")
                                     .arg(name).arg(area->objset).arg(s.level.lvlobjset))
               != QMessageBox::Yes)
        return {};
    const LevelDocument next = arearecords(s.level.document(), *area, s.props);
    doc.replacearea(next, QStringLiteral("Import area"));
    return QStringLiteral("Area imported from %1").arg(name);
}

} // namespace quib
