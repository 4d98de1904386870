#pragma once
// The map pointer dialog: the object set and the two data offsets of the
// selected map pointer. OK gives the pointer's new target, which the window
// hands to the document as an edit; Save writes it.
#include "dialogs/offsetsdialog.h"

namespace quib {

struct MapPtr;

// objsetlist(), objectOffsetEdit() and enemyOffsetEdit() come from
// OffsetsDialog; the edits are "objposEdit" and "enmposEdit", their range
// labels "objrangeLabel" and "enmrangeLabel".
class EditMapPntr : public OffsetsDialog {
    Q_OBJECT
public:
    // Starts from `pointer`'s target; hdrofs and the set names as the window shows them.
    EditMapPntr(const MapPtr &pointer, bool hdrofs, const std::array<QString, 16> &objsetnames,
                QWidget *parent = nullptr);

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
