#include "dialogs/enterbyoffsets.h"

#include <QLineEdit>

namespace quib {

Enterlevelspc::Enterlevelspc(bool hdrofs, const std::array<QString, 16> &objsetnames, const LevelSpec &start,
                             QWidget *parent)
    : OffsetsDialog(hdrofs, objsetnames, start.objset, start.objpos, start.enmpos,
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
