#pragma once
// The form of the dialogs that point at a level area by its two data offsets:
// the object set list, the object and enemy offsets in hex with the ranges
// they belong in, and OK/Cancel. Offsets are shown 0x10 lower while the
// offset display flag is off. Choosing another set moves the object offset
// into that set's bank, keeping its CPU address. Each dialog folds the typed
// text its own way in its accept().
#include <QDialog>
#include <QString>

#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QListWidget;

namespace quib {

class OffsetsDialog : public QDialog {
    Q_OBJECT
public:
    QListWidget *objsetlist() const { return objsetlist_; }
    QLineEdit *objectOffsetEdit() const { return objectOffsetEdit_; }
    QLineEdit *enemyOffsetEdit() const { return enemyOffsetEdit_; }

protected:
    // The object names of the two edits and their range labels.
    struct FieldNames {
        QString objpos, enmpos, objrange, enmrange;
    };

    // objpos and enmpos are file offsets; set is 0..15. The list shows the
    // sets with their names; hdrofs as the editor's offset display flag.
    OffsetsDialog(bool hdrofs, const std::array<QString, 16> &objsetnames, int set, int32_t objpos, int32_t enmpos,
                  const FieldNames &names, QWidget *parent);

    // True when each field is hex or empty (an empty field counts as 0, which
    // the folding moves into range); otherwise tells the user, puts the focus
    // on the field and gives false.
    bool hexok();

    int chosenset() const { return set_; }
    bool hdrofs() const { return hdrofs_; }

private:
    void choose(int set);
    QString shown(int64_t offset) const;

    bool hdrofs_;
    QListWidget *objsetlist_;
    QLineEdit *objectOffsetEdit_;
    QLineEdit *enemyOffsetEdit_;
    QLabel *objrange_, *enmrange_;
    int set_;        // the object set chosen
    int32_t objpos_; // the object offset the dialog holds (a file offset)
};

} // namespace quib
