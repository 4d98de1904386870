#include "dialogs/areapointers.h"

#include "level/rommap.h"
#include "rom/hex.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quib {

namespace {

QString offset(int64_t at)
{
    return QStringLiteral("0x") + hexstr(at);
}

// One row per link: what it is, then its world, pointer and map square, or
// the area whose header it is.
QStringList linkrow(const StreamLink &link)
{
    if (link.kind == StreamLink::AreaHeader)
        return {QStringLiteral("Area header"), QString(), QString(), QString(), offset(link.header)};
    return {QStringLiteral("Map pointer"), QString::number(link.world),
            QStringLiteral("#") + QString::number(link.index + 1).rightJustified(2, QLatin1Char('0')),
            QStringLiteral("X: ") + hexpad(link.col, 2) + QStringLiteral("   Y: ") + hexpad(link.row, 2), QString()};
}

void addstream(QTreeWidget *tree, const QString &title, const MapStream *stream)
{
    auto *top = new QTreeWidgetItem(tree, {title});
    top->setFirstColumnSpanned(true);
    if (!stream || stream->from.empty()) {
        auto *none = new QTreeWidgetItem(top, {stream && stream->fixed ? QStringLiteral("The game reads it at this fixed place.")
                                                                       : QStringLiteral("Nothing the editor knows leads here.")});
        none->setFirstColumnSpanned(true);
    }
    if (stream)
        for (const StreamLink &link : stream->from)
            new QTreeWidgetItem(top, linkrow(link));
    top->setExpanded(true);
}

} // namespace

AreaPointers::AreaPointers(const RomMap &map, int64_t objpos, int objset, int64_t enemies, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AreaPointers"));
    setWindowTitle(QStringLiteral("Pointers to this area"));
    setModal(true);

    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("pointerTree"));
    tree_->setHeaderLabels({QStringLiteral("Leads here"), QStringLiteral("World"), QStringLiteral("Pointer"),
                            QStringLiteral("Map square"), QStringLiteral("Area at")});
    tree_->setRootIsDecorated(false);
    tree_->setSelectionMode(QAbstractItemView::NoSelection);
    addstream(tree_, QStringLiteral("Objects at %1 (object set %2)").arg(offset(objpos)).arg(objset),
              findobjstream(map, objpos, objset));
    if (enemies >= 0)
        addstream(tree_, QStringLiteral("Enemies at %1").arg(offset(enemies)), findenemystream(map, enemies));
    tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tree_);
    layout->addWidget(buttons);
    resize(560, 380);
}

} // namespace quib
