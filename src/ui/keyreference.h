#pragma once
// The keyboard reference (F1): every key and mouse action of the current
// mode, listed from the key handler's own table, with the main-keyboard twins
// of the keypad keys.
#include <QDialog>

class QTextBrowser;

namespace quib {

class KeyReference : public QDialog {
    Q_OBJECT
public:
    KeyReference(int mode, QWidget *parent = nullptr);

    // Shows the reference for `mode`, reusing an open one.
    static void show(QWidget *parent, int mode);

    // The reference as HTML: the rows of `mode` in the table's order.
    static QString text(int mode);

private:
    QTextBrowser *view_;
};

} // namespace quib
