#include "dialogs/editstatus.h"
#include "widgets/valuebar.h"

#include "rom/rom.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QScrollBar>
#include <QVBoxLayout>

#include <functional>

namespace quib {

EditStatus::EditStatus(Rom &rom, QWidget *parent) : QDialog(parent), rom_(rom)
{
    setObjectName(QStringLiteral("EditStatus"));
    setWindowTitle(QStringLiteral("Edit starting status"));
    setModal(true);

    StartStatus stored;
    readstartstatus(rom_, stored);
    statusopened_ = stored.status;

    auto *layout = new QVBoxLayout(this);
    // A scroll bar 1..256 over a byte holding the value less one, with its label.
    auto addbar = [this, layout](const QString &name, uint8_t byte, std::function<QString(int)> text) {
        auto *label = new QLabel(text(byte + 1), this);
        label->setObjectName(name + QStringLiteral("Label"));
        auto *bar = valuebar(this);
        bar->setObjectName(name + QStringLiteral("Bar"));
        bar->setRange(1, 256);
        bar->setPageStep(10);
        bar->setMinimumWidth(240);
        bar->setValue(byte + 1);
        connect(bar, &QScrollBar::valueChanged, label, [label, text](int v) { label->setText(text(v)); });
        layout->addWidget(label);
        layout->addWidget(bar);
        return bar;
    };
    livesbar_ = addbar(QStringLiteral("lives"), stored.lives, liveslabel);
    maxlivesbar_ = addbar(QStringLiteral("maxLives"), stored.maxlives, maxliveslabel);
    worldbar_ = addbar(QStringLiteral("world"), stored.world, startworldlabel);

    auto *caption = new QLabel(statuscaption(), this);
    caption->setObjectName(QStringLiteral("statusCaption"));
    statuslist_ = new QListWidget(this);
    statuslist_->setObjectName(QStringLiteral("statusList"));
    statuslist_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int i = 0; i < statuscount; ++i)
        statuslist_->addItem(statusname(i));
    statuslist_->setCurrentRow(statusitem(stored.status));
    layout->addWidget(caption);
    layout->addWidget(statuslist_);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &EditStatus::writeandclose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

StartStatus EditStatus::status() const
{
    StartStatus s;
    s.lives = uint8_t(livesbar_->value() - 1);
    s.maxlives = uint8_t(maxlivesbar_->value() - 1);
    s.world = uint8_t(worldbar_->value() - 1);
    const QList<QListWidgetItem *> picked = statuslist_->selectedItems();
    s.status = picked.isEmpty() ? statusopened_ : uint8_t(statuslist_->row(picked.back()));
    return s;
}

void EditStatus::writeandclose()
{
    QString error;
    if (!writestartstatus(rom_, status(), &error)) {
        QMessageBox::warning(this, windowTitle(), QStringLiteral("The starting status was not saved.\n\n") + error);
        return;
    }
    accept();
}

} // namespace quib
