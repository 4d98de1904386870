#pragma once
// "Pointers to this area": everything in the ROM that leads to the current
// area's object stream and to its enemy stream, as the ROM map found it: map
// pointers (world, pointer, map square) and the headers of areas that link
// here. Read-only.
#include <QDialog>
#include <cstdint>

class QTreeWidget;

namespace quib {

struct RomMap;

class AreaPointers : public QDialog {
    Q_OBJECT
public:
    // `enemies` is the enemy stream the area's loader reads, -1 for none.
    AreaPointers(const RomMap &map, int64_t objpos, int objset, int64_t enemies, QWidget *parent = nullptr);

    QTreeWidget *tree() const { return tree_; }

private:
    QTreeWidget *tree_ = nullptr;
};

} // namespace quib
