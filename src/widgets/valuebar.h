#pragma once
// The horizontal scroll bars the dialogs set their values with, made in this
// one place. A scroll bar of Qt takes no focus and inverts its controls (so
// the wheel scrolls a view the natural way), which also turns its Right and
// Up keys into lowering the value. A value bar is a slider: Tab reaches it,
// Right, Up and Page Up raise the value, Home and End go to its ends.
#include <QScrollBar>

namespace quib {

inline QScrollBar *valuebar(QWidget *parent)
{
    auto *bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setInvertedControls(false);
    return bar;
}

} // namespace quib
