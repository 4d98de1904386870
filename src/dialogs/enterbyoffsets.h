#pragma once
// "Enter level from specified address": the two stream offsets and the
// object set of any level area. On OK the dialog holds the folded offsets;
// the window then enters the area.
#include "level/offsetentry.h"
#include "dialogs/offsetsdialog.h"

namespace quib {

// The edits are "objposEdit" and "enmposEdit", their range labels
// "objrangeLabel" and "enmrangeLabel".
class Enterlevelspc : public OffsetsDialog {
    Q_OBJECT
public:
    // Opens on `start` (initiallevelspec: the area shown, or the map's
    // selected pointer).
    Enterlevelspc(bool hdrofs, const std::array<QString, 16> &objsetnames, const LevelSpec &start,
                  QWidget *parent = nullptr);

    // Valid after OK.
    int32_t objpos() const { return spec_.objpos; }
    int32_t enmpos() const { return spec_.enmpos; }
    int objset() const { return spec_.objset; }

    // OK: refuses text that is not hex, else folds the offsets and closes.
    void accept() override;

private:
    LevelSpec spec_;
};

} // namespace quib
