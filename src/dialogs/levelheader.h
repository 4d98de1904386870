#pragma once
// The level header dialog: the nine header bytes of the current area, field
// by field, with the resulting bytes shown as they change. OK writes them to
// the ROM at once and rebuilds the level's graphics; the caller redraws.
#include "level/lvlhdr.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollBar;

namespace quib {

struct EditorState;

class EditLvlHdr : public QDialog {
    Q_OBJECT
public:
    EditLvlHdr(EditorState &state, QWidget *parent = nullptr);

    // OK: refuses a pointer that is not hex or outside its range, and keeps
    // the dialog open when the ROM can't be written; else writes and closes.
    void accept() override;

private:
    QListWidget *addlist(HdrField f, const QString &name, const QStringList &items);
    QScrollBar *addbar(HdrField f, const QString &name);
    QCheckBox *addcheck(HdrField f, const QString &name, const QString &caption, const QString &tip);
    void changed();
    void chooseset();

    EditorState &state_;
    LvlHdrEdit edit_;
    QListWidget *objsetlist_;
    QLineEdit *objptr_, *enmptr_;
    QLabel *objrange_, *enmrange_;
    QLabel *length_, *startx_, *starty_, *bytes_;
};

} // namespace quib
