#pragma once
// The item palette (Levels > Item palette ...): a tool window with the
// objects of the current area's object set, each drawn as the level view
// draws it with its bank and type beside it (4-byte objects marked), and the
// enemy types with their names. Double-click or Enter chooses an item;
// dragging one into the level view drops it there.
#include "level/itemedit.h"

#include <QDialog>
#include <array>
#include <cstdint>
#include <vector>

class QListWidget;
class QListWidgetItem;

namespace quib {

struct Graphics;
struct LevelDocument;
struct ObjCells;
struct ObjProps;

class ItemPalette : public QDialog {
    Q_OBJECT
public:
    explicit ItemPalette(QWidget *parent = nullptr);

    // Draws the lists for `area` at `zoom`; nothing is drawn again while
    // the object set, the header, the colours and the zoom stay the same.
    void refresh(const LevelDocument &area, const ObjProps &props, const ObjCells &cells, const Graphics &gfx,
                 const std::array<QString, 256> &enemynames, int zoom);

    QListWidget *objects() const { return objects_; }
    QListWidget *enemies() const { return enemies_; }
    // The item of a list entry, as one item to add.
    ItemGroup group(const QListWidgetItem *entry) const;

signals:
    void chosen(const quib::ItemGroup &group);

private:
    QListWidget *objects_;
    QListWidget *enemies_;
    int objset_ = -1;
    uint64_t drawn_ = 0; // what the lists were drawn from
};

} // namespace quib
