#pragma once
// Zoom: the whole-number factor the map, the level and the toolbox are shown
// enlarged by, and the keyboard rule that keeps the zoom shortcuts off the
// keypad.
#include <QObject>

class QWidget;

namespace quib {

constexpr int minzoom = 1;
constexpr int maxzoom = 4;
constexpr int defaultzoom = 2;

constexpr int clampzoom(int z) { return z < minzoom ? minzoom : z > maxzoom ? maxzoom : z; }

// Keypad keys are editing keys (Ctrl with keypad "+" or "-" changes an
// object's length), yet Qt lets a keypad key fire a menu shortcut of the same
// main key. Installed on a window, this filter claims every keypad key before
// the shortcuts are tried, so it reaches the window's key handler instead.
class KeypadKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// Resizes a top-level window to its size hint, kept inside the screen's
// free area; a maximised or full-screen window keeps its size.
void fitwindow(QWidget *window);

} // namespace quib
