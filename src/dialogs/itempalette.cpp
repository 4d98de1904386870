#include "dialogs/itempalette.h"

#include "graphics/graphics.h"
#include "level/itemclip.h"
#include "level/itempalette.h"
#include "level/level.h"
#include "rom/hex.h"
#include "tables/objprops.h"

#include <QDrag>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QVBoxLayout>

namespace quib {

namespace {

constexpr int kindrole = Qt::UserRole;     // 0 object, 1 enemy
constexpr int valuerole = Qt::UserRole + 1; // bank * 256 + type, or the enemy type
constexpr int fourrole = Qt::UserRole + 2;

// A list whose entries drag as the editor's own items.
class PaletteList : public QListWidget {
public:
    PaletteList(const ItemPalette &palette, QWidget *parent) : QListWidget(parent), palette_(palette)
    {
        setDragEnabled(true);
        setDragDropMode(QAbstractItemView::DragOnly);
        setSelectionMode(QAbstractItemView::SingleSelection);
    }

protected:
    void startDrag(Qt::DropActions) override
    {
        const QListWidgetItem *entry = currentItem();
        if (!entry)
            return;
        auto *data = new QMimeData;
        data->setData(QString::fromLatin1(itemmimetype), itemsmime(palette_.group(entry)));
        auto *drag = new QDrag(this);
        drag->setMimeData(data);
        if (!entry->icon().isNull())
            drag->setPixmap(entry->icon().pixmap(iconSize()));
        drag->exec(Qt::CopyAction);
    }

private:
    const ItemPalette &palette_;
};

uint64_t mix(uint64_t h, uint64_t v)
{
    return (h ^ v) * 0x100000001B3ull;
}

QImage imageof(const Surface &s, int zoom)
{
    const QImage frame(reinterpret_cast<const uchar *>(s.px.data()), s.width, s.height, s.width * 4,
                       QImage::Format_RGB32);
    return frame.scaled(s.width * zoom, s.height * zoom);
}

} // namespace

ItemPalette::ItemPalette(QWidget *parent) : QDialog(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("ItemPalette"));
    setWindowTitle(QStringLiteral("Item palette"));
    auto *row = new QHBoxLayout(this);
    const auto column = [&](const QString &title, QListWidget *list) {
        auto *col = new QVBoxLayout;
        col->addWidget(new QLabel(title, this));
        col->addWidget(list);
        row->addLayout(col, 1);
    };
    objects_ = new PaletteList(*this, this);
    objects_->setObjectName(QStringLiteral("objects"));
    enemies_ = new PaletteList(*this, this);
    enemies_->setObjectName(QStringLiteral("enemies"));
    column(QStringLiteral("Objects"), objects_);
    column(QStringLiteral("Enemies"), enemies_);
    for (QListWidget *list : {objects_, enemies_})
        connect(list, &QListWidget::itemActivated, this, [this](QListWidgetItem *entry) { emit chosen(group(entry)); });
    resize(520, 480);
}

ItemGroup ItemPalette::group(const QListWidgetItem *entry) const
{
    ItemGroup g;
    if (!entry)
        return g;
    g.objset = objset_;
    const int value = entry->data(valuerole).toInt();
    if (entry->data(kindrole).toInt() == 0) {
        ObjRecord o;
        o.bank = uint8_t(value >> 8);
        o.type = uint8_t(value & 255);
        o.four = entry->data(fourrole).toBool();
        g.objects.push_back(o);
    } else {
        g.enemies.push_back({uint8_t(value), 0, 0});
    }
    return g;
}

void ItemPalette::refresh(const LevelDocument &area, const ObjProps &props, const ObjCells &cells,
                          const Graphics &gfx, const std::array<QString, 256> &enemynames, int zoom)
{
    // The pictures depend on the set, the header (graphic set, colours),
    // the painted sheets and the zoom.
    uint64_t key = 0xCBF29CE484222325ull;
    key = mix(key, uint64_t(area.lvlobjset));
    key = mix(key, uint64_t(zoom));
    key = mix(key, gfx.lvlbackground);
    for (const uint8_t b : area.lvlhdr)
        key = mix(key, b);
    for (int page = 0; page < 2; ++page) {
        const Surface &sheet = gfx.gfxo[gfxsetsheet[page][area.graphicset()]];
        for (size_t i = 0; i < sheet.px.size(); i += 61)
            key = mix(key, sheet.px[i]);
    }
    if (key == drawn_ && objects_->count() > 0)
        return;
    drawn_ = key;
    objset_ = area.lvlobjset & 15;

    const int current = objects_->currentRow();
    objects_->clear();
    objects_->setIconSize(QSize(64 * zoom, 64 * zoom) / 2);
    for (const PaletteObject &o : paletteobjects(props, objset_)) {
        const Surface pic = drawpaletteobject(area, props, cells, gfx, o);
        auto *entry = new QListWidgetItem(QIcon(QPixmap::fromImage(imageof(pic, zoom))),
                                          QStringLiteral("Bank %1  Type %2%3")
                                              .arg(o.bank)
                                              .arg(hexpad(o.type, 2), o.four ? QStringLiteral("  (4 bytes)") : QString()),
                                          objects_);
        entry->setData(kindrole, 0);
        entry->setData(valuerole, o.bank * 256 + o.type);
        entry->setData(fourrole, o.four);
    }
    objects_->setCurrentRow(std::min(current, objects_->count() - 1));

    if (enemies_->count() == 0)
        for (int t = 0; t < 256; ++t) {
            auto *entry = new QListWidgetItem(hexpad(t, 2) + QStringLiteral("  ") + enemynames[size_t(t)], enemies_);
            entry->setData(kindrole, 1);
            entry->setData(valuerole, t);
        }
}

} // namespace quib
