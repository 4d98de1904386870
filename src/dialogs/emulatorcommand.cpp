#include "dialogs/emulatorcommand.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace quib {

EmulatorCommand::EmulatorCommand(const QString &command, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("EmulatorCommand"));
    setWindowTitle(QStringLiteral("Emulator command"));
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(QStringLiteral("Command line that plays the ROM:"), this);
    edit_ = new QLineEdit(command, this);
    edit_->setObjectName(QStringLiteral("command"));
    edit_->setPlaceholderText(QStringLiteral("/usr/bin/emulator %f"));
    edit_->setMinimumWidth(edit_->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 60);
    label->setBuddy(edit_);
    auto *hint = new QLabel(QStringLiteral("%f stands for the ROM file's path; without it the path goes last.\n"
                                           "Put a program or argument with spaces in double quotes.\n"
                                           "Empty: no emulator is set, and Play ROM asks for one."),
                            this);
    hint->setObjectName(QStringLiteral("hint"));
    hint->setEnabled(false); // greyed, as a hint
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(label);
    layout->addWidget(edit_);
    layout->addWidget(hint);
    layout->addWidget(buttons);
}

QString EmulatorCommand::command() const
{
    return edit_->text().trimmed();
}

} // namespace quib
