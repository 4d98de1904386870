#include "widgets/overview.h"

#include "graphics/surface.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace quib {

namespace {

constexpr int maxstrip = 160; // a short world below the view stays a strip
constexpr int minstrip = 24;

} // namespace

Overview::Overview(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("overview"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
}

void Overview::setpicture(const Surface &whole, QSize blocks)
{
    const bool wasupright = upright();
    // A copy: the picture stays while the surface it came from is drawn again.
    whole_ = QImage(reinterpret_cast<const uchar *>(whole.px.data()), whole.width, whole.height, whole.width * 4,
                    QImage::Format_RGB32)
                 .copy();
    blocks_ = blocks.expandedTo(QSize(1, 1));
    scaled_ = QImage();
    if (wasupright != upright()) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    fitstrip();
    update();
}

void Overview::setshown(const QRect &blocks)
{
    if (blocks == shown_)
        return;
    shown_ = blocks;
    update();
}

QRect Overview::picturerect() const
{
    const double scale = std::min(double(width()) / blocks_.width(), double(height()) / blocks_.height());
    const QSize size(std::max(1, int(blocks_.width() * scale)), std::max(1, int(blocks_.height() * scale)));
    return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

// Below the view the strip is as high as the picture at the window's width
// (up to a limit); beside it, as wide as the picture at the view's height.
void Overview::fitstrip()
{
    if (upright()) {
        const int w = std::clamp(height() * blocks_.width() / blocks_.height(), minstrip / 2, maxstrip);
        if (w != minimumWidth() || w != maximumWidth())
            setFixedWidth(w);
    } else {
        const int h = std::clamp(width() * blocks_.height() / blocks_.width(), minstrip, maxstrip);
        if (h != minimumHeight() || h != maximumHeight())
            setFixedHeight(h);
    }
}

void Overview::resizeEvent(QResizeEvent *)
{
    scaled_ = QImage();
    fitstrip();
}

void Overview::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    if (whole_.isNull())
        return;
    const QRect r = picturerect();
    if (scaled_.size() != r.size())
        scaled_ = whole_.scaled(r.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    p.drawImage(r.topLeft(), scaled_);
    if (shown_.isEmpty())
        return;
    const double sx = double(r.width()) / blocks_.width(), sy = double(r.height()) / blocks_.height();
    const QRectF box(r.left() + shown_.left() * sx, r.top() + shown_.top() * sy, shown_.width() * sx,
                     shown_.height() * sy);
    const QRectF inside = box.intersected(QRectF(r)).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(0, 0, 0), 3));
    p.drawRect(inside);
    p.setPen(QPen(QColor(255, 240, 0), 1));
    p.drawRect(inside);
}

void Overview::pick(const QPointF &at)
{
    const QRect r = picturerect();
    const int col = std::clamp(int((at.x() - r.left()) * blocks_.width() / r.width()), 0, blocks_.width() - 1);
    const int row = std::clamp(int((at.y() - r.top()) * blocks_.height() / r.height()), 0, blocks_.height() - 1);
    emit scrollto(col, row);
}

void Overview::mousePressEvent(QMouseEvent *event)
{
    pick(event->position());
}

void Overview::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::NoButton)
        pick(event->position());
}

} // namespace quib
