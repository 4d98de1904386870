#include "worldmap/widgets/editmappntr.h"

#include "editor/editorstate.h"
#include "worldmap/mappntr.h"

#include <QLineEdit>

namespace quib {

EditMapPntr::EditMapPntr(EditorState &state, QWidget *parent)
    : OffsetsDialog(state, state.map.pointers[state.map.selptr].objset & 15, state.map.pointers[state.map.selptr].objpos,
                    state.map.pointers[state.map.selptr].enmpos,
                    {QStringLiteral("ad0"), QStringLiteral("ad1"), QStringLiteral("t9"), QStringLiteral("t1")},
                    parent)
{
    setObjectName(QStringLiteral("EditMapPntr"));
    setWindowTitle(QStringLiteral("Edit map pointer"));
}

void EditMapPntr::accept()
{
    if (!hexok())
        return;
    result_objpos_ = foldobjpos(ad(0)->text().trimmed(), chosenset(), hdrofs());
    result_enmpos_ = foldenmpos(ad(1)->text().trimmed(), hdrofs());
    QDialog::accept();
}

} // namespace quib
