#include "dialogs/maptoolbox.h"

#include "graphics/blit.h"
#include "graphics/graphics.h"
#include "widgets/lvlview.h"
#include "widgets/zoom.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace quib {

namespace {
const QString chosen = QStringLiteral("background-color: rgb(255, 255, 192);");
const QString notchosen = QStringLiteral("background-color: rgb(192, 192, 192);");
} // namespace

MapTool::MapTool(const Graphics &gfx, uint8_t &tile, uint8_t &action, QWidget *parent, int zoom)
    : QWidget(parent, Qt::Tool), gfx_(gfx), tile_(tile), action_(action)
{
    setObjectName(QStringLiteral("MapTool"));
    setWindowTitle(QStringLiteral("Map objects"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating); // the main window keeps the keyboard

    auto *col = new QVBoxLayout(this);
    col->setContentsMargins(3, 3, 3, 3);
    installEventFilter(new KeypadKeys(this));
    map_ = new LvlView(picture_, this, clampzoom(zoom));
    map_->setObjectName(QStringLiteral("Map"));
    col->addWidget(new ViewArea(map_, this));
    connect(map_, &LvlView::pressed, this, [this](const ViewMouse &m) { pick(m.x, m.y); });
    connect(map_, &LvlView::dragged, this, [this](const ViewMouse &m) {
        if (m.buttons & 1)
            pick(m.x, m.y);
    });
    auto *row = new QHBoxLayout;
    draw_ = new QPushButton(QStringLiteral("Draw"), this);
    draw_->setObjectName(QStringLiteral("Draw"));
    replace_ = new QPushButton(QStringLiteral("Replace all"), this);
    replace_->setObjectName(QStringLiteral("ReplaceAll"));
    row->addWidget(draw_);
    row->addWidget(replace_);
    col->addLayout(row);
    connect(draw_, &QPushButton::clicked, this, [this] { setaction(0); });
    connect(replace_, &QPushButton::clicked, this, [this] { setaction(1); });
    // A reopened toolbox shows the action still in force.
    setaction(action_ == 1 ? 1 : 0);
    refresh();
}

void MapTool::refresh()
{
    blit(picture_, 0, 0, gfx_.map, 0, 0, 256, 256);
    map_->update();
}

void MapTool::setaction(int action)
{
    action_ = uint8_t(action);
    draw_->setStyleSheet(action == 0 ? chosen : notchosen);
    replace_->setStyleSheet(action == 1 ? chosen : notchosen);
}

void MapTool::pick(int x, int y)
{
    if (x < 0 || y < 0 || x > 255 || y > 255)
        return; // outside the picture
    tile_ = uint8_t(16 * (y / 16) + ((x / 16) % 16));
    const int r = tile_ / 16, k = tile_ % 16;
    blit(picture_, 0, 0, gfx_.map, 0, 0, 256, 256);
    outline(picture_, 16 * k, 16 * r, 16 * k + 15, 16 * r + 15, rgb(255, 240, 0));
    outline(picture_, 16 * k - 1, 16 * r - 1, 16 * k + 16, 16 * r + 16, rgb(0, 0, 192));
    map_->repaint();
}

void MapTool::setzoom(int zoom)
{
    map_->setzoom(clampzoom(zoom));
    fitwindow(this);
}

void MapTool::keyPressEvent(QKeyEvent *event)
{
    if (parentWidget())
        QCoreApplication::sendEvent(parentWidget(), event);
    else
        QWidget::keyPressEvent(event);
}

void MapTool::closeEvent(QCloseEvent *event)
{
    emit closed();
    QWidget::closeEvent(event);
}

int placetoolboxleft(int mainleft, int mainwidth, int screenwidth, int toolwidth, int currentleft)
{
    if (mainleft > toolwidth)
        return mainleft - toolwidth;
    if (screenwidth - toolwidth > mainleft + mainwidth)
        return mainleft + mainwidth;
    return currentleft;
}

} // namespace quib
