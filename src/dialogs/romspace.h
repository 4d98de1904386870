#pragma once
// "ROM space": for each bank window of level data, the areas' streams in it
// (offset, bytes used, room to grow in place) and its free runs, with the
// totals of each window and of all of them. Read-only.
#include <QDialog>

class QTreeWidget;

namespace quib {

struct RomMap;

class RomSpace : public QDialog {
    Q_OBJECT
public:
    explicit RomSpace(const RomMap &map, QWidget *parent = nullptr);

    QTreeWidget *tree() const { return tree_; }

private:
    QTreeWidget *tree_ = nullptr;
};

} // namespace quib
