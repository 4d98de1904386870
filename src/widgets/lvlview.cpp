#include "widgets/lvlview.h"

#include "graphics/surface.h"

#include <QImage>
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
    return v;
}

} // namespace

LvlView::LvlView(const Surface &surface, QWidget *parent, int zoom)
    : QWidget(parent), surface_(surface), zoom_(std::max(zoom, 1))
{
    setObjectName(QStringLiteral("lvl"));
    setFixedSize(surface.width * zoom_, surface.height * zoom_);
    setAttribute(Qt::WA_OpaquePaintEvent);
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
}

void LvlView::mousePressEvent(QMouseEvent *event)
{
    emit pressed(frommouse(*event, event->button(), zoom_));
}

void LvlView::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::NoButton)
        emit dragged(frommouse(*event, event->buttons(), zoom_));
}

ViewArea::ViewArea(QWidget *view, QWidget *parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::NoFocus);
    horizontalScrollBar()->setFocusPolicy(Qt::NoFocus);
    verticalScrollBar()->setFocusPolicy(Qt::NoFocus);
    // Never larger than the view: the space around it goes to the window.
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);
    setWidget(view);
}

QSize ViewArea::sizeHint() const
{
    const int f = 2 * frameWidth();
    return widget() ? widget()->size() + QSize(f, f) : QScrollArea::sizeHint();
}

bool ViewArea::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == widget() && event->type() == QEvent::Resize)
        updateGeometry(); // a new zoom: the window's layout asks again
    return QScrollArea::eventFilter(watched, event);
}

} // namespace quib
