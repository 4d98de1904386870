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

struct Graphics;
struct Level;
struct NameTables;
class Rom;

class EditLvlHdr : public QDialog {
    Q_OBJECT
public:
    // The header of `level`'s area, written to `rom`; `gfx` gets the level
    // pictures of the new header. Offsets are shown 0x10 lower unless hdrofs.
    EditLvlHdr(Level &level, Rom &rom, Graphics &gfx, const NameTables &names, bool hdrofs,
               QWidget *parent = nullptr);

    // OK: refuses a pointer that is not hex or outside its range, and keeps
    // the dialog open when the ROM can't be written; else writes and closes.
    void accept() override;

private:
    QListWidget *addlist(HdrField f, const QString &name, const QStringList &items);
    QScrollBar *addbar(HdrField f, const QString &name);
    QCheckBox *addcheck(HdrField f, const QString &name, const QString &caption, const QString &tip);
    void changed();
    void chooseset();

    Level &level_;
    Rom &rom_;
    Graphics &gfx_;
    LvlHdrEdit edit_;
    QListWidget *objsetlist_;
    QLineEdit *objptr_, *enmptr_;
    QLabel *objrange_, *enmrange_;
    QLabel *length_, *startx_, *starty_, *bytes_;
};

} // namespace quib
