#include "dialogs/offsetsdialog.h"

#include "rom/areaoffsets.h"
#include "rom/hex.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace quib {

OffsetsDialog::OffsetsDialog(bool hdrofs, const std::array<QString, 16> &objsetnames, int set, int32_t objpos,
                             int32_t enmpos, const FieldNames &names, QWidget *parent)
    : QDialog(parent), hdrofs_(hdrofs), set_(set), objpos_(objpos)
{
    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Object set :"), this), 0, 0, 1, 3);
    objsetlist_ = new QListWidget(this);
    objsetlist_->setObjectName(QStringLiteral("objsetlist"));
    for (int i = 0; i < 16; ++i)
        objsetlist_->addItem(hexstr(i) + QStringLiteral(" -- ") + objsetnames[size_t(i)]);
    grid->addWidget(objsetlist_, 1, 0, 1, 3);

    objectOffsetEdit_ = new QLineEdit(shown(objpos), this);
    objectOffsetEdit_->setObjectName(names.objpos);
    enemyOffsetEdit_ = new QLineEdit(shown(enmpos), this);
    enemyOffsetEdit_->setObjectName(names.enmpos);
    objrange_ = new QLabel(objrangetext(set_, hdrofs_), this);
    objrange_->setObjectName(names.objrange);
    enmrange_ = new QLabel(enmrangetext(hdrofs_), this);
    enmrange_->setObjectName(names.enmrange);
    grid->addWidget(new QLabel(QStringLiteral("Objects :"), this), 2, 0);
    grid->addWidget(objectOffsetEdit_, 2, 1);
    grid->addWidget(objrange_, 2, 2);
    grid->addWidget(new QLabel(QStringLiteral("Enemies :"), this), 3, 0);
    grid->addWidget(enemyOffsetEdit_, 3, 1);
    grid->addWidget(enmrange_, 3, 2);

    // accept() is virtual: OK reaches the dialog's own.
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, 4, 0, 1, 3);

    objsetlist_->setCurrentRow(set_);
    connect(objsetlist_, &QListWidget::currentRowChanged, this, &OffsetsDialog::choose);
}

// An offset as shown; an offset below the shown range shows as 0.
QString OffsetsDialog::shown(int64_t offset) const
{
    return hexstr(std::max<int64_t>(0, offset - 0x10 + displayadjust(hdrofs_)));
}

void OffsetsDialog::choose(int set)
{
    if (set < 0 || set > 15 || set == set_)
        return;
    // Keep the CPU address: the offset the dialog holds moves into the new
    // set's bank and replaces whatever was typed.
    objrange_->setText(objrangetext(set, hdrofs_));
    enmrange_->setText(enmrangetext(hdrofs_));
    objpos_ = rebaseobjpos(objpos_, set_, set);
    objectOffsetEdit_->setText(shown(objpos_));
    set_ = set;
}

bool OffsetsDialog::hexok()
{
    for (QLineEdit *e : {objectOffsetEdit_, enemyOffsetEdit_}) {
        if (!e->text().trimmed().isEmpty() && !ishextext(e->text())) {
            QMessageBox::warning(this, windowTitle(),
                                 QStringLiteral("'%1' is not a hexadecimal number.").arg(e->text()));
            e->setFocus();
            return false;
        }
    }
    return true;
}

} // namespace quib
