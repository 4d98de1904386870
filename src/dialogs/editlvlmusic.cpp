#include "dialogs/editlvlmusic.h"
#include "widgets/valuebar.h"

#include "rom/rom.h"
#include "tables/names.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QScrollBar>
#include <QVBoxLayout>

namespace quib {

EditLvlMusic::EditLvlMusic(Rom &rom, const NameTables &names, QWidget *parent)
    : QDialog(parent), rom_(rom), names_(names)
{
    setObjectName(QStringLiteral("EditLvlMusic"));
    setWindowTitle(QStringLiteral("Edit level music set"));
    setModal(true);

    optionlabel_ = new QLabel(this);
    optionlabel_->setObjectName(QStringLiteral("optionLabel"));
    optionbar_ = valuebar(this);
    optionbar_->setObjectName(QStringLiteral("optionBar"));
    optionbar_->setRange(1, rom::lvlmusicoptions);
    optionbar_->setPageStep(1);
    optionbar_->setMinimumWidth(240);

    musiclist_ = new QListWidget(this);
    musiclist_->setObjectName(QStringLiteral("musicList"));
    musiclist_->setSelectionMode(QAbstractItemView::SingleSelection);
    setlist_ = new QListWidget(this);
    setlist_->setObjectName(QStringLiteral("setList"));
    setlist_->setSelectionMode(QAbstractItemView::SingleSelection);

    auto *lists = new QGridLayout;
    lists->addWidget(new QLabel(QStringLiteral("Music for this option:"), this), 0, 0);
    lists->addWidget(musiclist_, 1, 0);
    lists->addWidget(new QLabel(QStringLiteral("Current set:"), this), 0, 1);
    lists->addWidget(setlist_, 1, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(optionlabel_);
    layout->addWidget(optionbar_);
    layout->addLayout(lists);
    layout->addWidget(buttons);

    readmusicset(rom_, set_);
    filllists();
    setvalues(1);

    connect(optionbar_, &QScrollBar::valueChanged, this, [this](int k) {
        if (!setting_)
            setvalues(k);
    });
    connect(musiclist_, &QListWidget::currentRowChanged, this, &EditLvlMusic::musicpicked);
    connect(buttons, &QDialogButtonBox::accepted, this, &EditLvlMusic::writeandclose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

int EditLvlMusic::option() const
{
    return optionbar_->value();
}

void EditLvlMusic::filllists()
{
    musiclist_->clear();
    for (const QString &name : names_.musicnames)
        musiclist_->addItem(name);
    setlist_->clear();
    for (const uint8_t music : set_)
        setlist_->addItem(names_.musicnames[music]);
}

void EditLvlMusic::setvalues(int option)
{
    setting_ = true;
    optionlabel_->setText(optionlabel(option));
    optionbar_->setValue(option);
    musiclist_->setCurrentRow(set_[size_t(option - 1)], QItemSelectionModel::ClearAndSelect);
    musiclist_->scrollToItem(musiclist_->currentItem());
    setting_ = false;
}

// Before the dialog is first shown the lists have no size yet, so scrolling
// to the current music is done again once they have.
void EditLvlMusic::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    musiclist_->scrollToItem(musiclist_->currentItem(), QAbstractItemView::PositionAtCenter);
}

void EditLvlMusic::musicpicked(int music)
{
    if (setting_ || music < 0 || music > 255)
        return;
    const size_t k = size_t(option() - 1);
    set_[k] = uint8_t(music);
    setlist_->item(int(k))->setText(names_.musicnames[size_t(music)]);
}

void EditLvlMusic::writeandclose()
{
    QString error;
    if (!writemusicset(rom_, set_, &error)) {
        QMessageBox::warning(this, windowTitle(), QStringLiteral("The level music set was not saved.\n\n") + error);
        return;
    }
    accept();
}

} // namespace quib
