#pragma once
// "Enter level from specified address": the two stream offsets and the
// object set of any level area. On OK the dialog holds the folded offsets;
// the window then enters the area (enterlevelspec).
#include "level/enterspec.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;

namespace quib {

struct EditorState;

class Enterlevelspc : public QDialog {
    Q_OBJECT
public:
    Enterlevelspc(const EditorState &state, QWidget *parent = nullptr);

    // Valid after OK.
    int32_t objpos() const { return spec_.objpos; }
    int32_t enmpos() const { return spec_.enmpos; }
    int objset() const { return spec_.objset; }

    // OK: refuses text that is not hex, else folds the offsets and closes.
    void accept() override;

private:
    void choose(int set);

    bool hdrofs_;
    QListWidget *objsetlist_;
    QLineEdit *ad_[2];
    QLabel *objrange_, *enmrange_;
    int set_;        // the object set chosen
    int32_t objpos_; // the object offset the dialog holds (a file offset)
    LevelSpec spec_;
};

} // namespace quib
