#pragma once
// "Move map start position": the start point of the current world, moved
// with a scroll bar over a preview of the map screen. OK writes the byte into
// the ROM at once; Cancel writes nothing.
#include "graphics/surface.h"

#include <QDialog>
#include <cstdint>

class QLabel;
class QScrollBar;

namespace quib {

struct Graphics;
struct WorldMap;
class LvlView;
class Rom;

class MoveStartPnt : public QDialog {
    Q_OBJECT
public:
    // The start point of world `world` in `rom`, over a preview of `map`
    // drawn with `gfx` (whose frame and font take the world's colours).
    MoveStartPnt(Rom &rom, Graphics &gfx, const WorldMap &map, int world, QWidget *parent = nullptr);

    uint8_t value() const { return value_; }
    const Surface &preview() const { return preview_; }

private:
    void showposition(int position);
    void writeandclose();

    Rom &rom_;
    const Graphics &gfx_;
    const WorldMap &map_;
    int world_;
    uint8_t value_ = 0;
    Surface preview_;
    QScrollBar *positionBar_;
    QLabel *valueLabel_;
    LvlView *previewView_;
};

} // namespace quib
