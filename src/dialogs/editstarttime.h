#pragma once
// "Edit starting times": the four level timer values the game offers (three
// ordinary ones and the one used for infinite time), each a byte shown as
// the time it gives. Read when the dialog opens, written by OK.
#include "tables/gametables.h"

#include <QDialog>

class QLabel;
class QScrollBar;

namespace quib {

class Rom;

class EditStartTime : public QDialog {
    Q_OBJECT
public:
    EditStartTime(Rom &rom, QWidget *parent = nullptr);

    StartTimes times() const;

private:
    void writeandclose();

    Rom &rom_;
    std::array<QScrollBar *, rom::starttimecount> bars_{};
    std::array<QLabel *, rom::starttimecount> values_{};
};

} // namespace quib
