#pragma once
// "Enter level from specified address": the two stream offsets and the
// object set of any level area. On OK the dialog holds the folded offsets;
// the window then enters the area (enterlevelspec).
#include "level/enterspec.h"
#include "dialogs/offsetsdialog.h"

namespace quib {

struct EditorState;

// The edits are "objposEdit" and "enmposEdit", their range labels
// "objrangeLabel" and "enmrangeLabel".
class Enterlevelspc : public OffsetsDialog {
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
    Enterlevelspc(const EditorState &state, const LevelSpec &start, QWidget *parent);

    LevelSpec spec_;
};

} // namespace quib
