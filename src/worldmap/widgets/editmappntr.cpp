#include "worldmap/widgets/editmappntr.h"

#include "editor/editorstate.h"
#include "rom/hex.h"
#include "worldmap/mappntr.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

namespace quib {

EditMapPntr::EditMapPntr(EditorState &state, QWidget *parent) : QDialog(parent), state_(state)
{
    setObjectName(QStringLiteral("EditMapPntr"));
    setWindowTitle(QStringLiteral("Edit map pointer"));
    const WorldMap &map = state.map;
    const size_t sel = map.selptr;
    set_ = map.ptrobjset[sel] & 15;
    objpos_ = map.ptrobjpos[sel];
    const int a = displayadjust(state.hdrofs);

    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Object set :"), this), 0, 0, 1, 3);
    objsetlist_ = new QListWidget(this);
    objsetlist_->setObjectName(QStringLiteral("objsetlist"));
    for (int i = 0; i < 16; ++i)
        objsetlist_->addItem(hexstr(i) + QStringLiteral(" -- ") + state.names.objsetnames[size_t(i)]);
    grid->addWidget(objsetlist_, 1, 0, 1, 3);

    ad_[0] = new QLineEdit(hexstr(map.ptrobjpos[sel] - 0x10 + a), this);
    ad_[0]->setObjectName(QStringLiteral("ad0"));
    ad_[1] = new QLineEdit(hexstr(map.ptrenmpos[sel] - 0x10 + a), this);
    ad_[1]->setObjectName(QStringLiteral("ad1"));
    objrange_ = new QLabel(objrangetext(set_, state.hdrofs), this);
    objrange_->setObjectName(QStringLiteral("t9"));
    enmrange_ = new QLabel(enmrangetext(state.hdrofs), this);
    enmrange_->setObjectName(QStringLiteral("t1"));
    grid->addWidget(new QLabel(QStringLiteral("Objects :"), this), 2, 0);
    grid->addWidget(ad_[0], 2, 1);
    grid->addWidget(objrange_, 2, 2);
    grid->addWidget(new QLabel(QStringLiteral("Enemies :"), this), 3, 0);
    grid->addWidget(ad_[1], 3, 1);
    grid->addWidget(enmrange_, 3, 2);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &EditMapPntr::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &EditMapPntr::reject);
    grid->addWidget(buttons, 4, 0, 1, 3);

    objsetlist_->setCurrentRow(set_);
    connect(objsetlist_, &QListWidget::currentRowChanged, this, &EditMapPntr::choose);
}

void EditMapPntr::choose(int set)
{
    if (set < 0 || set > 15 || set == set_)
        return;
    const int a = displayadjust(state_.hdrofs);
    // Keep the CPU address: the offset the dialog holds moves into the new
    // set's bank and replaces whatever was typed.
    objrange_->setText(objrangetext(set, state_.hdrofs));
    enmrange_->setText(enmrangetext(state_.hdrofs));
    objpos_ = rebaseobjpos(objpos_, set_, set);
    ad_[0]->setText(hexstr(objpos_ - 0x10 + a));
    set_ = set;
}

void EditMapPntr::accept()
{
    // Text with characters that are not hex digits is refused with a message
    // (an empty field counts as 0, as the folding rules expect).
    for (QLineEdit *e : ad_) {
        if (!e->text().trimmed().isEmpty() && !ishextext(e->text())) {
            QMessageBox::warning(this, windowTitle(),
                                 QStringLiteral("'%1' is not a hexadecimal number.").arg(e->text()));
            e->setFocus();
            return;
        }
    }
    result_objpos_ = foldobjpos(ad_[0]->text().trimmed(), set_, state_.hdrofs);
    result_enmpos_ = foldenmpos(ad_[1]->text().trimmed(), state_.hdrofs);
    QDialog::accept();
}

} // namespace quib
