#pragma once
// "Emulator command": the command line Levels > Play ROM starts, "%f"
// standing for the ROM's path.
#include <QDialog>

class QLineEdit;

namespace quib {

class EmulatorCommand : public QDialog {
    Q_OBJECT
public:
    EmulatorCommand(const QString &command, QWidget *parent = nullptr);

    QString command() const;
    QLineEdit *edit() const { return edit_; }

private:
    QLineEdit *edit_ = nullptr;
};

} // namespace quib
