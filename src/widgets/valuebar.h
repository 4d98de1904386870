#pragma once
// The horizontal scroll bars the dialogs set their values with. Qt's scroll
// bars invert their arrow keys by default (Right lowers the value); a value
// bar's Right and Up raise it, as on a slider.
#include <QScrollBar>

namespace quib {

inline QScrollBar *valuebar(QWidget *parent)
{
    auto *bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setInvertedControls(false);
    return bar;
}

} // namespace quib
