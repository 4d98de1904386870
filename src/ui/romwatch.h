#pragma once
// Notices when the ROM's file changes on disk behind the editor: another
// program patched or replaced it. The editor's own writes are no change: the
// file is compared with the ROM's image, which every write updates, so a save
// (a rename over the file) is never taken for another program's work.
#include <QObject>
#include <cstdint>
#include <vector>

class QFileSystemWatcher;
class QTimer;

namespace quib {

class Rom;

class RomWatch : public QObject {
    Q_OBJECT
public:
    RomWatch(const Rom &rom, QObject *parent);
    // Watches the ROM's file (and its folder, where a file replaced by a
    // rename shows) from now on.
    void start();
    // The user keeps the editor's copy over the change last reported: it is
    // not reported again, and the next write overwrites it.
    void keep() { kept_ = true; }
    bool kept() const { return kept_; }

signals:
    // The file holds other bytes than the ROM's image, for the first time
    // since they last agreed.
    void changed();

private:
    void check();

    const Rom &rom_;
    QFileSystemWatcher *watcher_ = nullptr;
    QTimer *settle_ = nullptr; // lets a program finish writing before the file is read
    std::vector<uint8_t> reported_;
    bool kept_ = false;
};

} // namespace quib
