#include "dialogs/startposition.h"

#include "graphics/graphics.h"
#include "rom/hex.h"
#include "widgets/lvlview.h"
#include "widgets/valuebar.h"
#include "worldmap/startpoint.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace quib {

MoveStartPnt::MoveStartPnt(Rom &rom, Graphics &gfx, const WorldMap &map, int world, QWidget *parent)
    : QDialog(parent), rom_(rom), gfx_(gfx), map_(map), world_(world), preview_(mapscreenwidth, mapscreenheight, rgb(224, 224, 224))
{
    setObjectName(QStringLiteral("MoveStartPnt"));
    setWindowTitle(QStringLiteral("Move map start position"));
    setModal(true);

    auto *caption = new QLabel(QStringLiteral("Y start point (pixels) : (hex)"), this);
    caption->setObjectName(QStringLiteral("positionCaption"));
    valueLabel_ = new QLabel(QStringLiteral("00"), this);
    valueLabel_->setObjectName(QStringLiteral("valueLabel"));
    positionBar_ = valuebar(this);
    positionBar_->setObjectName(QStringLiteral("positionBar"));
    positionBar_->setRange(0, 255);
    positionBar_->setPageStep(16);
    positionBar_->setSingleStep(1);
    previewView_ = new LvlView(preview_, this);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Cancel"));

    auto *valuerow = new QHBoxLayout;
    valuerow->addWidget(caption);
    valuerow->addWidget(valueLabel_);
    valuerow->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(valuerow);
    layout->addWidget(positionBar_);
    layout->addWidget(previewView_, 0, Qt::AlignHCenter);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(positionBar_, &QScrollBar::valueChanged, this, &MoveStartPnt::showposition);
    connect(buttons, &QDialogButtonBox::accepted, this, &MoveStartPnt::writeandclose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // The frame and font take the world's colours; the map tiles and figures
    // already have them.
    colormapb(gfx, rom_, world_);
    value_ = readstartpoint(rom_, world_);
    {
        const QSignalBlocker quiet(positionBar_);
        positionBar_->setValue(value_);
    }
    showposition(value_);
}

void MoveStartPnt::showposition(int position)
{
    value_ = uint8_t(position);
    valueLabel_->setText(hexpad(value_, 2));
    refmapb(gfx_, map_, world_, value_, preview_);
    previewView_->update();
}

void MoveStartPnt::writeandclose()
{
    QString error;
    if (!writestartpoint(rom_, world_, value_, &error)) {
        QMessageBox::warning(this, windowTitle(), QStringLiteral("The start point was not saved.\n\n") + error);
        return;
    }
    accept();
}

} // namespace quib
