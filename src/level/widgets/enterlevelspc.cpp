#include "level/widgets/enterlevelspc.h"

#include "editor/editorstate.h"

#include <QLineEdit>

namespace quib {

Enterlevelspc::Enterlevelspc(const EditorState &state, QWidget *parent)
    : Enterlevelspc(state, initiallevelspec(state), parent)
{
}

Enterlevelspc::Enterlevelspc(const EditorState &state, const LevelSpec &start, QWidget *parent)
    : OffsetsDialog(state.hdrofs, state.names.objsetnames, start.objset, start.objpos, start.enmpos,
                    {QStringLiteral("objposEdit"), QStringLiteral("enmposEdit"), QStringLiteral("objrangeLabel"),
                     QStringLiteral("enmrangeLabel")},
                    parent),
      spec_(start)
{
    setObjectName(QStringLiteral("Enterlevelspc"));
    setWindowTitle(QStringLiteral("Enter level from specified address"));
}

void Enterlevelspc::accept()
{
    if (!hexok())
        return;
    spec_ = foldlevelspec(objectOffsetEdit()->text(), enemyOffsetEdit()->text(), chosenset(), hdrofs());
    QDialog::accept();
}

} // namespace quib
