#pragma once
// Helpers shared by the tests: files on disk and modal windows answered from
// a timer.
#include "demorom/romimage.h"
#include "rom/rom.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace testutil {

// The ROM at `path`, read as the editor opens it; a Rom that isn't open when
// the file can't be read.
inline quib::Rom openrom(const QString &path)
{
    quib::Rom rom;
    rom.open(path);
    return rom;
}

inline QByteArray readfile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// The bytes of a ROM image under construction, as a file would hold them.
inline QByteArray bytesof(const quib::demo::RomImage &rom, qsizetype count = -1)
{
    return QByteArray(reinterpret_cast<const char *>(rom.bytes().data()), count < 0 ? qsizetype(rom.size()) : count);
}

inline bool writefile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

#ifdef Q_OS_UNIX
// While it lives, the process acts as an ordinary user with the given
// effective ids. Only the superuser can switch (`ok` tells), so a test that
// needs another user runs only as root.
struct AsUser {
    bool ok = false;
    AsUser(uid_t uid, gid_t gid) { ok = ::geteuid() == 0 && ::setegid(gid) == 0 && ::seteuid(uid) == 0; }
    ~AsUser()
    {
        if (ok && (::seteuid(0) != 0 || ::setegid(0) != 0))
            qFatal("can't become the superuser again");
    }
    AsUser(const AsUser &) = delete;
    AsUser &operator=(const AsUser &) = delete;
};
#endif

// What a modal message box said before it was answered.
struct SeenBox {
    int count = 0;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Answers every modal window that opens while `work` runs: message boxes are
// recorded in `seen` and closed, other dialogs get `onDialog` (or are
// rejected).
inline void answermodals(SeenBox &seen, const std::function<void(QWidget *)> &onDialog = {})
{
    auto *timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [&seen, onDialog, timer] {
        QWidget *w = QApplication::activeModalWidget();
        if (!w)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(w)) {
            ++seen.count;
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.icon = box->icon();
            box->done(QMessageBox::Ok);
        } else if (onDialog) {
            onDialog(w);
        } else if (auto *d = qobject_cast<QDialog *>(w)) {
            d->reject();
        }
    });
    timer->start();
}

inline void stopanswering()
{
    for (QTimer *t : qApp->findChildren<QTimer *>(Qt::FindDirectChildrenOnly))
        t->deleteLater();
}

} // namespace testutil
