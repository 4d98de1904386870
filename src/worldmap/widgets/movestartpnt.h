#pragma once
// "Move map start position": the start point of the current world, moved
// with a scroll bar over a preview of the map screen. OK writes the byte into
// the ROM at once; Cancel writes nothing.
#include "graphics/surface.h"

#include <QDialog>
#include <cstdint>

class QLabel;
class QPushButton;
class QScrollBar;

namespace quib {

struct EditorState;
class LvlView;

class MoveStartPnt : public QDialog {
    Q_OBJECT
public:
    MoveStartPnt(EditorState &state, QWidget *parent = nullptr);

    uint8_t value() const { return value_; }
    const Surface &preview() const { return preview_; }

private:
    void HScroll1_Change(int position);
    void writeandclose();

    EditorState &state_;
    uint8_t value_ = 0;
    Surface preview_;
    QScrollBar *hscroll1_;
    QLabel *label2_;
    LvlView *lvl_;
};

} // namespace quib
