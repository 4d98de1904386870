#include "dialogs/mappointer.h"

#include "rom/areaoffsets.h"
#include "worldmap/maprecords.h"

#include <QLineEdit>

namespace quib {

EditMapPntr::EditMapPntr(const MapPtr &pointer, bool hdrofs, const std::array<QString, 16> &objsetnames,
                         QWidget *parent)
    : OffsetsDialog(hdrofs, objsetnames, pointer.objset & 15, pointer.objpos, pointer.enmpos,
                    {QStringLiteral("objposEdit"), QStringLiteral("enmposEdit"), QStringLiteral("objrangeLabel"),
                     QStringLiteral("enmrangeLabel")},
                    parent)
{
    setObjectName(QStringLiteral("EditMapPntr"));
    setWindowTitle(QStringLiteral("Edit map pointer"));
}

void EditMapPntr::accept()
{
    if (!hexok())
        return;
    result_objpos_ = foldobjpos(objectOffsetEdit()->text().trimmed(), chosenset(), hdrofs());
    result_enmpos_ = foldenmpos(enemyOffsetEdit()->text().trimmed(), hdrofs());
    QDialog::accept();
}

} // namespace quib
