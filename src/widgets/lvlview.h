#pragma once
// The drawing surface `lvl`: shows the core's frame buffer, wrapped in a
// QImage without copying, and reports mouse presses and moves in its pixels.
#include <QScrollArea>
#include <QWidget>

namespace quib {

struct Surface;

struct ViewMouse {
    int x = 0, y = 0;
    int buttons = 0;        // 1 left, 2 right, 4 middle, added up
    bool shiftonly = false; // exactly Shift held
    bool any = false;       // Shift, Ctrl or Alt held
    bool ctrl = false;      // Ctrl held
};

class LvlView : public QWidget {
    Q_OBJECT
public:
    // Shown `zoom` times enlarged; mouse positions are reported in the
    // surface's own pixels.
    explicit LvlView(const Surface &surface, QWidget *parent = nullptr, int zoom = 1);
    int zoom() const { return zoom_; }
    void setzoom(int zoom);
    // One-pixel lines between the 16-pixel blocks of `area` (surface pixels),
    // drawn over the picture at every zoom; an empty area draws none.
    void setgrid(const QRect &area);
    // What may be dropped on the view (none at first).
    void setdroptype(const QString &mimetype);

signals:
    void pressed(const quib::ViewMouse &m);
    void dragged(const quib::ViewMouse &m); // moves with a button held
    void hovered(const quib::ViewMouse &m); // moves with no button held
    void left();                            // the pointer left the view
    void released();                        // the buttons were let go
    // Data of `mimetype` (setdroptype) dropped on the view at (m.x, m.y).
    void dropped(const quib::ViewMouse &m, const QByteArray &data);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QString droptype_;
    const Surface &surface_;
    int zoom_;
    QRect grid_;
};

// Holds a view centred, with scroll bars when the window is made smaller
// than the view. It takes the room the window gives it and says when that
// changes, so the view can show as many blocks as fit; it asks for the size
// set by sethint. It never takes the keyboard: keys belong to the editor.
//
// The wheel: with Ctrl it asks for zoom steps; plain it scrolls down or up,
// with Shift (or tilted) across. It moves this area's scroll bar while that
// bar can go that way, and passes what is left on as blocks to scroll the
// picture itself.
class ViewArea : public QScrollArea {
    Q_OBJECT
public:
    explicit ViewArea(QWidget *view, QWidget *parent = nullptr);
    QSize sizeHint() const override;
    void sethint(const QSize &size);

signals:
    void zoomwheel(int steps, const QPoint &at); // > 0 zoom in; at: viewport pixels
    void resized();                              // the room for the view changed
    void scrollwheel(int dx, int dy);    // blocks, > 0 right or down

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QSize hint_;
    QPoint turned_; // eighths of a degree not yet a whole notch
};

} // namespace quib
