#include "dialogs/romspace.h"

#include "level/rommap.h"
#include "rom/hex.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quib {

namespace {

// Columns: where, what, bytes used, room, free bytes.
enum Column { Where, What, Used, Room, Free };

QString offset(int64_t at)
{
    return QStringLiteral("0x") + hexstr(at);
}

QString count(int64_t n)
{
    return QString::number(n);
}

QString windowname(const RomWindow &w)
{
    if (w.enemies)
        return QStringLiteral("Enemies");
    QStringList sets;
    for (int s = 0; s < 16; ++s)
        if (w.objsets & (1u << s))
            sets << QString::number(s);
    return (sets.size() == 1 ? QStringLiteral("Objects of set ") : QStringLiteral("Objects of sets "))
           + sets.join(QStringLiteral(", "));
}

QString streamname(const MapStream &s)
{
    if (s.kind == StreamKind::Objects)
        return QStringLiteral("Objects, set %1").arg(s.objset);
    return s.fixed ? QStringLiteral("Enemies of set 7 (fixed place)") : QStringLiteral("Enemies");
}

void right(QTreeWidgetItem *item)
{
    for (int c : {Used, Room, Free})
        item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
}

QTreeWidgetItem *streamrow(QTreeWidgetItem *parent, const MapStream &s)
{
    auto *item = new QTreeWidgetItem(parent, {offset(s.start), streamname(s), count(s.used()), count(s.room())});
    right(item);
    return item;
}

} // namespace

RomSpace::RomSpace(const RomMap &map, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("RomSpace"));
    setWindowTitle(QStringLiteral("ROM space"));
    setModal(true);

    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("spaceTree"));
    tree_->setHeaderLabels({QStringLiteral("Offset"), QStringLiteral("What"), QStringLiteral("Bytes used"),
                            QStringLiteral("Room"), QStringLiteral("Free")});
    tree_->setSelectionMode(QAbstractItemView::NoSelection);

    int64_t used = 0, room = 0, free = 0;
    std::vector<QTreeWidgetItem *> windows;
    for (const RomWindow &w : map.windows) {
        auto *item = new QTreeWidgetItem(tree_, {offset(w.low) + QStringLiteral("–") + offset(w.high), windowname(w)});
        windows.push_back(item);
    }
    std::vector<int64_t> wused(map.windows.size()), wroom(map.windows.size());
    QTreeWidgetItem *outside = nullptr;
    for (const MapStream &s : map.streams) {
        if (s.window < 0 || size_t(s.window) >= windows.size()) {
            if (!outside)
                outside = new QTreeWidgetItem(tree_, {QString(), QStringLiteral("Outside their window")});
            streamrow(outside, s);
            continue;
        }
        streamrow(windows[size_t(s.window)], s);
        wused[size_t(s.window)] += s.used();
        wroom[size_t(s.window)] += s.room();
    }
    for (size_t i = 0; i < map.windows.size(); ++i) {
        const RomWindow &w = map.windows[i];
        for (const FreeRun &run : w.free) {
            auto *item = new QTreeWidgetItem(windows[i], {offset(run.start), QStringLiteral("free"), QString(), QString(),
                                                          count(run.size)});
            right(item);
        }
        QTreeWidgetItem *item = windows[i];
        item->setText(Used, count(wused[i]));
        item->setText(Room, count(wroom[i]));
        item->setText(Free, count(w.freetotal()));
        right(item);
        used += wused[i];
        room += wroom[i];
        free += w.freetotal();
    }
    auto *total = new QTreeWidgetItem(tree_, {QString(), QStringLiteral("All windows"), count(used), count(room),
                                              count(free)});
    right(total);
    QFont bold = total->font(0);
    bold.setBold(true);
    for (int c = 0; c <= Free; ++c)
        total->setFont(c, bold);
    tree_->expandAll();
    tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    if (map.cut)
        layout->addWidget(new QLabel(QStringLiteral("The ROM links more areas than the map follows: "
                                                    "only the first %1 are listed.").arg(maxmapareas), this));
    layout->addWidget(tree_);
    layout->addWidget(buttons);
    resize(620, 480);
}

} // namespace quib
