#pragma once
// The map pointer dialog: the object set and the two data offsets of the
// selected map pointer. OK gives the pointer's new target, which the window
// hands to the document as an edit; Save writes it.
#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;

namespace quib {

struct EditorState;

class EditMapPntr : public QDialog {
    Q_OBJECT
public:
    EditMapPntr(EditorState &state, QWidget *parent = nullptr);

    QListWidget *objsetlist() const { return objsetlist_; }
    QLineEdit *ad(int i) const { return ad_[i]; }

    // OK: refuses text that is not hex, else takes the typed target.
    void accept() override;

    // The target chosen, after OK.
    int objset() const { return set_; }
    int32_t objpos() const { return result_objpos_; }
    int32_t enmpos() const { return result_enmpos_; }

private:
    void choose(int set);

    EditorState &state_;
    QListWidget *objsetlist_;
    QLineEdit *ad_[2];
    QLabel *objrange_; // t(9)
    QLabel *enmrange_; // t(1)
    int set_;       // the object set chosen
    int32_t objpos_; // the object offset the dialog holds
    int32_t result_objpos_ = 0;
    int32_t result_enmpos_ = 0;
};

} // namespace quib
