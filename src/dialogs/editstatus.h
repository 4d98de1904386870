#pragma once
// "Edit starting status": the lives, the most lives the start screen allows,
// the starting world and the hero's power-up state at the start of a game.
// Read when the dialog opens, written by OK.
#include "tables/gametables.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QScrollBar;

namespace quib {

class Rom;

class EditStatus : public QDialog {
    Q_OBJECT
public:
    EditStatus(Rom &rom, QWidget *parent = nullptr);

    // The bytes OK writes.
    StartStatus status() const;

private:
    void writeandclose();

    Rom &rom_;
    uint8_t statusopened_ = 0; // the status byte as read, kept while no item is selected
    QScrollBar *livesbar_;
    QScrollBar *maxlivesbar_;
    QScrollBar *worldbar_;
    QListWidget *statuslist_;
};

} // namespace quib
