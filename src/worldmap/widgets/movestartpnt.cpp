#include "worldmap/widgets/movestartpnt.h"
#include "widgets/valuebar.h"

#include "editor/editorstate.h"
#include "rom/hex.h"
#include "widgets/lvlview.h"
#include "worldmap/startpoint.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace quib {

MoveStartPnt::MoveStartPnt(EditorState &state, QWidget *parent)
    : QDialog(parent), state_(state), preview_(mapscreenwidth, mapscreenheight, rgb(224, 224, 224))
{
    setObjectName(QStringLiteral("MoveStartPnt"));
    setWindowTitle(QStringLiteral("Move map start position"));
    setModal(true);

    auto *label1 = new QLabel(QStringLiteral("Y start point (pixels) : (hex)"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label2_ = new QLabel(QStringLiteral("00"), this);
    label2_->setObjectName(QStringLiteral("Label2"));
    hscroll1_ = valuebar(this);
    hscroll1_->setObjectName(QStringLiteral("HScroll1"));
    hscroll1_->setRange(0, 255);
    hscroll1_->setPageStep(16);
    hscroll1_->setSingleStep(1);
    lvl_ = new LvlView(preview_, this);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Cancel"));

    auto *valuerow = new QHBoxLayout;
    valuerow->addWidget(label1);
    valuerow->addWidget(label2_);
    valuerow->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(valuerow);
    layout->addWidget(hscroll1_);
    layout->addWidget(lvl_, 0, Qt::AlignHCenter);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(hscroll1_, &QScrollBar::valueChanged, this, &MoveStartPnt::HScroll1_Change);
    connect(ok, &QPushButton::clicked, this, &MoveStartPnt::writeandclose);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // The frame and font take the world's colours; the map tiles and figures
    // already have them.
    colormapb(state_.gfx, state_.rom, state_.curworld);
    value_ = readstartpoint(state_.rom, state_.curworld);
    {
        const QSignalBlocker quiet(hscroll1_);
        hscroll1_->setValue(value_);
    }
    HScroll1_Change(value_);
}

void MoveStartPnt::HScroll1_Change(int position)
{
    value_ = uint8_t(position);
    label2_->setText(hexpad(value_, 2));
    refmapb(state_, value_, preview_);
    lvl_->update();
}

void MoveStartPnt::writeandclose()
{
    QString error;
    if (!writestartpoint(state_.rom, state_.curworld, value_, &error)) {
        QMessageBox::warning(this, windowTitle(), QStringLiteral("The start point was not saved.\n\n") + error);
        return;
    }
    accept();
}

} // namespace quib
