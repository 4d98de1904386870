#include "dialogs/editstarttime.h"
#include "widgets/valuebar.h"

#include "rom/rom.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QScrollBar>
#include <QVBoxLayout>

namespace quib {

EditStartTime::EditStartTime(Rom &rom, QWidget *parent) : QDialog(parent), rom_(rom)
{
    setObjectName(QStringLiteral("EditStartTime"));
    setWindowTitle(QStringLiteral("Edit starting times"));
    setModal(true);

    StartTimes times{};
    readstarttimes(rom_, times);

    static constexpr const char *captions[rom::starttimecount] = {"Value 1", "Value 2", "Value 3", "Infinite time"};
    auto *grid = new QGridLayout;
    for (int k = 0; k < rom::starttimecount; ++k) {
        auto *caption = new QLabel(QString::fromLatin1(captions[k]), this);
        caption->setObjectName(QStringLiteral("timeCaption%1").arg(k));
        QScrollBar *bar = valuebar(this);
        bar->setObjectName(QStringLiteral("timeBar%1").arg(k));
        bar->setRange(0, 255);
        bar->setPageStep(10);
        bar->setMinimumWidth(200);
        bar->setValue(times[size_t(k)]);
        QLabel *value = new QLabel(timelabel(bar->value()), this);
        value->setObjectName(QStringLiteral("timeValue%1").arg(k));
        value->setMinimumWidth(48);
        connect(bar, &QScrollBar::valueChanged, value, [value](int v) { value->setText(timelabel(v)); });
        grid->addWidget(caption, k, 0);
        grid->addWidget(bar, k, 1);
        grid->addWidget(value, k, 2);
        bars_[size_t(k)] = bar;
        values_[size_t(k)] = value;
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &EditStartTime::writeandclose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

StartTimes EditStartTime::times() const
{
    StartTimes times{};
    for (int k = 0; k < rom::starttimecount; ++k)
        times[size_t(k)] = uint8_t(bars_[size_t(k)]->value());
    return times;
}

void EditStartTime::writeandclose()
{
    QString error;
    if (!writestarttimes(rom_, times(), &error)) {
        QMessageBox::warning(this, windowTitle(), QStringLiteral("The starting times were not saved.\n\n") + error);
        return;
    }
    accept();
}

} // namespace quib
