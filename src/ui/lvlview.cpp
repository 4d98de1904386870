#include "ui/lvlview.h"

#include "graphics/surface.h"

#include <QImage>
#include <QPainter>

namespace quib {

LvlView::LvlView(const Surface &surface, QWidget *parent) : QWidget(parent), surface_(surface)
{
    setObjectName(QStringLiteral("lvl"));
    setFixedSize(surface.width, surface.height);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LvlView::paintEvent(QPaintEvent *)
{
    const QImage frame(reinterpret_cast<const uchar *>(surface_.px.data()), surface_.width, surface_.height,
                       surface_.width * 4, QImage::Format_RGB32);
    QPainter(this).drawImage(0, 0, frame);
}

} // namespace quib
