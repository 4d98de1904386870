#pragma once
// The map pointer dialog: the object set and the two data offsets of the
// selected map pointer. OK gives the pointer's new target, which the window
// hands to the document as an edit; Save writes it.
#include "widgets/offsetsdialog.h"

namespace quib {

struct EditorState;

// objsetlist() and ad(i) come from OffsetsDialog; the edits are "ad0" and
// "ad1", their range labels "t9" and "t1".
class EditMapPntr : public OffsetsDialog {
    Q_OBJECT
public:
    EditMapPntr(EditorState &state, QWidget *parent = nullptr);

    // OK: refuses text that is not hex, else takes the typed target.
    void accept() override;

    // The target chosen, after OK.
    int objset() const { return chosenset(); }
    int32_t objpos() const { return result_objpos_; }
    int32_t enmpos() const { return result_enmpos_; }

private:
    int32_t result_objpos_ = 0;
    int32_t result_enmpos_ = 0;
};

} // namespace quib
