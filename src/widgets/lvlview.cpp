#include "widgets/lvlview.h"

#include "graphics/surface.h"

#include <QApplication>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <cmath>

namespace quib {

namespace {

int buttonstate(Qt::MouseButtons b)
{
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0);
}

ViewMouse frommouse(const QMouseEvent &e, Qt::MouseButtons buttons, int zoom)
{
    const Qt::KeyboardModifiers m = e.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    ViewMouse v;
    v.x = int(std::floor(e.position().x() / zoom));
    v.y = int(std::floor(e.position().y() / zoom));
    v.buttons = buttonstate(buttons);
    v.shiftonly = m == Qt::ShiftModifier;
    v.any = m != Qt::NoModifier;
    v.ctrl = m & Qt::ControlModifier;
    return v;
}

} // namespace

LvlView::LvlView(const Surface &surface, QWidget *parent, int zoom)
    : QWidget(parent), surface_(surface), zoom_(std::max(zoom, 1))
{
    setObjectName(QStringLiteral("lvl"));
    setFixedSize(surface.width * zoom_, surface.height * zoom_);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void LvlView::setzoom(int zoom)
{
    zoom_ = std::max(zoom, 1);
    setFixedSize(surface_.width * zoom_, surface_.height * zoom_);
    update();
}

void LvlView::paintEvent(QPaintEvent *)
{
    const QImage frame(reinterpret_cast<const uchar *>(surface_.px.data()), surface_.width, surface_.height,
                       surface_.width * 4, QImage::Format_RGB32);
    QPainter p(this);
    if (zoom_ == 1)
        p.drawImage(0, 0, frame);
    else
        p.drawImage(QRect(0, 0, surface_.width * zoom_, surface_.height * zoom_), frame);
    if (grid_.isEmpty())
        return;
    // Between the blocks only: the area's own edges are the picture's.
    const QRect r(grid_.topLeft() * zoom_, grid_.size() * zoom_);
    p.setPen(QPen(QColor(255, 255, 255, 96), 0));
    for (int x = r.left() + 16 * zoom_; x <= r.right(); x += 16 * zoom_)
        p.drawLine(x, r.top(), x, r.bottom());
    for (int y = r.top() + 16 * zoom_; y <= r.bottom(); y += 16 * zoom_)
        p.drawLine(r.left(), y, r.right(), y);
}

void LvlView::setgrid(const QRect &area)
{
    if (area == grid_)
        return;
    grid_ = area;
    update();
}

void LvlView::mousePressEvent(QMouseEvent *event)
{
    emit pressed(frommouse(*event, event->button(), zoom_));
}

void LvlView::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::NoButton)
        emit dragged(frommouse(*event, event->buttons(), zoom_));
    else
        emit hovered(frommouse(*event, Qt::NoButton, zoom_));
}

void LvlView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::NoButton)
        emit released();
}

void LvlView::leaveEvent(QEvent *)
{
    emit left();
}

void LvlView::setdroptype(const QString &mimetype)
{
    droptype_ = mimetype;
    setAcceptDrops(!mimetype.isEmpty());
}

void LvlView::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasFormat(droptype_))
        event->acceptProposedAction();
}

void LvlView::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->mimeData()->hasFormat(droptype_))
        event->acceptProposedAction();
}

void LvlView::dropEvent(QDropEvent *event)
{
    if (!event->mimeData()->hasFormat(droptype_))
        return;
    ViewMouse v;
    v.x = int(std::floor(event->position().x() / zoom_));
    v.y = int(std::floor(event->position().y() / zoom_));
    event->acceptProposedAction();
    emit dropped(v, event->mimeData()->data(droptype_));
}

ViewArea::ViewArea(QWidget *view, QWidget *parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::NoFocus);
    horizontalScrollBar()->setFocusPolicy(Qt::NoFocus);
    verticalScrollBar()->setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setWidget(view);
    hint_ = view->size();
}

QSize ViewArea::sizeHint() const
{
    const int f = 2 * frameWidth();
    return hint_ + QSize(f, f);
}

void ViewArea::sethint(const QSize &size)
{
    if (size == hint_)
        return;
    hint_ = size;
    updateGeometry();
}

void ViewArea::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    emit resized();
}

bool ViewArea::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == widget() && event->type() == QEvent::Resize)
        updateGeometry(); // a new zoom: the window's layout asks again
    return QScrollArea::eventFilter(watched, event);
}

namespace {

// Moves the bar by `notches` turns of the wheel (> 0 towards its end) as far
// as it goes; returns the notches it could not take.
int movebar(QScrollBar *bar, int notches)
{
    const int step = notches > 0 ? 1 : -1;
    while (notches != 0) {
        const int value = bar->value();
        bar->setValue(value + step * bar->singleStep() * QApplication::wheelScrollLines());
        if (bar->value() == value)
            break;
        notches -= step;
    }
    return notches;
}

} // namespace

void ViewArea::wheelEvent(QWheelEvent *event)
{
    QPoint delta = event->angleDelta();
    const Qt::KeyboardModifiers mods = event->modifiers();
    if ((mods & Qt::ShiftModifier) && delta.x() == 0)
        delta = QPoint(delta.y(), 0); // Shift turns the wheel across
    turned_ += delta;
    const int across = turned_.x() / 120, down = turned_.y() / 120;
    turned_ -= QPoint(across * 120, down * 120);
    event->accept();
    if (mods & Qt::ControlModifier) {
        if (down != 0)
            emit zoomwheel(down, event->position().toPoint()); // away from the user: larger
        return;
    }
    // Turning the wheel away from the user goes up (or left).
    const int dx = across != 0 ? movebar(horizontalScrollBar(), -across) : 0;
    const int dy = down != 0 ? movebar(verticalScrollBar(), -down) : 0;
    const int lines = QApplication::wheelScrollLines();
    if (dx != 0 || dy != 0)
        emit scrollwheel(dx * lines, dy * lines);
}

} // namespace quib
