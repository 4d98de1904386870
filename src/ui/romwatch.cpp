#include "ui/romwatch.h"

#include "rom/romfile.h"

#include <QApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

namespace quib {

RomWatch::RomWatch(const Rom &rom, QObject *parent)
    : QObject(parent), rom_(rom), watcher_(new QFileSystemWatcher(this)), settle_(new QTimer(this))
{
    settle_->setSingleShot(true);
    settle_->setInterval(250);
    connect(watcher_, &QFileSystemWatcher::fileChanged, settle_, qOverload<>(&QTimer::start));
    connect(watcher_, &QFileSystemWatcher::directoryChanged, settle_, qOverload<>(&QTimer::start));
    connect(settle_, &QTimer::timeout, this, &RomWatch::check);
}

void RomWatch::start()
{
    if (!rom_.infile())
        return;
    const QFileInfo file(followlink(rom_.path()));
    if (!watcher_->directories().contains(file.absolutePath()))
        watcher_->addPath(file.absolutePath());
    if (file.exists() && !watcher_->files().contains(file.absoluteFilePath()))
        watcher_->addPath(file.absoluteFilePath());
}

void RomWatch::check()
{
    // Not while a dialog works on what the ROM holds: once it has closed.
    if (QApplication::activeModalWidget()) {
        settle_->start();
        return;
    }
    start(); // a file replaced by a rename is another file to watch
    std::vector<uint8_t> now;
    if (!readwhole(followlink(rom_.path()), &now, nullptr) || now.empty())
        return; // gone or being written: the change that completes it comes next
    if (now == rom_.image()) {
        reported_.clear();
        kept_ = false;
        return;
    }
    if (now == reported_)
        return;
    reported_.swap(now);
    kept_ = false;
    emit changed();
}

} // namespace quib
