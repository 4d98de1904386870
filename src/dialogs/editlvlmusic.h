#pragma once
// "Edit level music set": the music the game plays for each of the 16 level
// music options. A scroll bar steps through the options, the list of all
// music names picks the current option's music, and a second list shows the
// whole set. Read when the dialog opens, written by OK.
#include "tables/gametables.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QScrollBar;

namespace quib {

struct NameTables;
class Rom;

class EditLvlMusic : public QDialog {
    Q_OBJECT
public:
    // The lists show the music names of `names`, which outlive the dialog.
    EditLvlMusic(Rom &rom, const NameTables &names, QWidget *parent = nullptr);

    const MusicSet &musicset() const { return set_; }
    int option() const; // 1..16

protected:
    void showEvent(QShowEvent *event) override;

private:
    void filllists();
    void setvalues(int option);
    void musicpicked(int music);
    void writeandclose();

    Rom &rom_;
    const NameTables &names_;
    MusicSet set_{};
    bool setting_ = false; // setvalues is filling the controls

    QScrollBar *optionbar_;
    QLabel *optionlabel_;
    QListWidget *musiclist_;
    QListWidget *setlist_;
};

} // namespace quib
