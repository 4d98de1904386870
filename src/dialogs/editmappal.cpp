#include "dialogs/editmappal.h"
#include "widgets/valuebar.h"

#include "graphics/graphics.h"
#include "graphics/paledit.h"
#include "level/level.h"
#include "rom/rom.h"
#include "widgets/lvlview.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QScrollBar>
#include <QVBoxLayout>

#include <cstring>

namespace quib {

namespace {

QListWidget *grouplist(int count, const QString &name, QWidget *parent)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int g = 0; g < count; ++g)
        list->addItem(QStringLiteral("Palette %1").arg(g));
    list->setMaximumWidth(120);
    return list;
}

LvlView *picture(const Surface &pic, const QString &name, QWidget *parent, int zoom)
{
    auto *view = new LvlView(pic, parent, zoom);
    view->setObjectName(name);
    return view;
}

} // namespace

EditMapPal::EditMapPal(Rom &rom, Graphics &gfx, int world, const Level *area, QWidget *parent, int zoom)
    : QDialog(parent), rom_(rom), gfx_(gfx), world_(world), area_(area),
      lvlpic_(palcell * lvlgroupcols, palcell * lvlgrouprows),
      enmpic_(palcell * enmgroupcols, palcell * enmgrouprows),
      nespic_(palcell * nescolcols, palcell * nescolrows)
{
    setObjectName(QStringLiteral("EditMapPal"));
    setWindowTitle(QStringLiteral("Edit color palettes"));
    setModal(true);
    std::memcpy(lvlpalopened_, gfx_.lvlpal, sizeof lvlpalopened_);
    std::memcpy(enmpalopened_, gfx_.enmpal, sizeof enmpalopened_);

    objsetbar_ = valuebar(this);
    objsetbar_->setObjectName(QStringLiteral("objsetBar"));
    objsetbar_->setRange(0, 15);
    objsetbar_->setPageStep(1);
    objsetbar_->setMinimumWidth(200);
    objsetcaption_ = new QLabel(this);
    objsetcaption_->setObjectName(QStringLiteral("objsetCaption"));

    levelgroups_ = grouplist(8, QStringLiteral("levelGroups"), this);
    enemygroups_ = grouplist(4, QStringLiteral("enemyGroups"), this);
    levelview_ = picture(lvlpic_, QStringLiteral("levelColors"), this, zoom);
    enemyview_ = picture(enmpic_, QStringLiteral("enemyColors"), this, zoom);
    nesview_ = picture(nespic_, QStringLiteral("nesColors"), this, zoom);

    auto *groups = new QGridLayout;
    groups->addWidget(new QLabel(QStringLiteral("Level colors :"), this), 0, 0, 1, 2);
    groups->addWidget(levelgroups_, 1, 0);
    groups->addWidget(levelview_, 1, 1, Qt::AlignTop);
    groups->addWidget(new QLabel(QStringLiteral("Enemy colors :"), this), 0, 2, 1, 2);
    groups->addWidget(enemygroups_, 1, 2);
    groups->addWidget(enemyview_, 1, 3, Qt::AlignTop);
    groups->setColumnStretch(4, 1);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(objsetcaption_);
    layout->addWidget(objsetbar_);
    layout->addLayout(groups);
    layout->addWidget(new QLabel(QStringLiteral("NES palette"), this));
    layout->addWidget(nesview_);
    layout->addWidget(buttons_);

    // 1.-2. The NES colours, colour 0 selected.
    shownescolours();

    // 3.-4. In a level, the record and the two groups the level is coloured
    // with (see palrecord); on the world map, set 0 and the first groups.
    int objset = 0, lvlgroup = 0, enmgroup = 0;
    if (area_) {
        const Level &l = *area_;
        areaset_ = l.lvlobjset & 15;
        objset = palrecord(areaset_);
        lvlgroup = hdrfield(l.lvlhdr, HdrField::LevelColours);
        enmgroup = hdrfield(l.lvlhdr, HdrField::EnemyColours);
    }
    levelgroups_->setCurrentRow(lvlgroup);
    enemygroups_->setCurrentRow(enmgroup);
    objsetbar_->setValue(objset);
    objsetchanged(objset);

    connect(objsetbar_, &QScrollBar::valueChanged, this, &EditMapPal::objsetchanged);
    connect(levelgroups_, &QListWidget::currentRowChanged, this, &EditMapPal::redrawlevel);
    connect(enemygroups_, &QListWidget::currentRowChanged, this, &EditMapPal::redrawenemy);
    connect(nesview_, &LvlView::pressed, this, &EditMapPal::nespressed);
    connect(nesview_, &LvlView::dragged, this, &EditMapPal::nesdragged);
    connect(levelview_, &LvlView::pressed, this, &EditMapPal::levelpressed);
    connect(enemyview_, &LvlView::pressed, this, &EditMapPal::enemypressed);
    connect(buttons_, &QDialogButtonBox::accepted, this, &EditMapPal::writeandclose);
    connect(buttons_, &QDialogButtonBox::rejected, this, &EditMapPal::reject);
}

int EditMapPal::objset() const
{
    return objsetbar_->value();
}

int EditMapPal::levelgroup() const
{
    return std::max(levelgroups_->currentRow(), 0);
}

int EditMapPal::enemygroup() const
{
    return std::max(enemygroups_->currentRow(), 0);
}

void EditMapPal::objsetchanged(int objset)
{
    objsetcaption_->setText(palsetcaption(objset, areaset_));
    redrawlevel();
    redrawenemy();
}

void EditMapPal::redrawlevel()
{
    drawlvlgroup(lvlpic_, gfx_, objset(), levelgroup());
    levelview_->update();
}

void EditMapPal::redrawenemy()
{
    drawenmgroup(enmpic_, gfx_, objset(), enemygroup());
    enemyview_->update();
}

void EditMapPal::shownescolours()
{
    drawnescolours(nespic_, gfx_, selected_);
    nesview_->update();
}

void EditMapPal::nespressed(const ViewMouse &m)
{
    const int cell = cellat(m.x, m.y, nescolcols, nescolrows);
    if (cell < 0)
        return;
    selected_ = cell;
    shownescolours();
}

void EditMapPal::nesdragged(const ViewMouse &m)
{
    if (m.buttons != 1)
        return;
    selected_ = nescolourat(m.x, m.y);
    shownescolours();
}

void EditMapPal::levelpressed(const ViewMouse &m)
{
    const int cell = cellat(m.x, m.y, lvlgroupcols, lvlgrouprows);
    if (cell < 0)
        return;
    gfx_.lvlpal[objset()][levelgroup()][lvlgroupbyte(cell)] = uint8_t(selected_);
    redrawlevel();
}

void EditMapPal::enemypressed(const ViewMouse &m)
{
    const int cell = cellat(m.x, m.y, enmgroupcols, enmgrouprows);
    if (cell < 0)
        return;
    gfx_.enmpal[objset()][enemygroup()][enmgroupbyte(cell)] = uint8_t(selected_);
    redrawenemy();
}

void EditMapPal::writeandclose()
{
    QString error;
    if (!savepal(gfx_, rom_, &error)) {
        QMessageBox::warning(this, windowTitle(), QStringLiteral("The palettes were not saved.\n\n") + error);
        return;
    }
    // Read back what was written: the groups past 7 that the world map can
    // use overlap the enemy groups and the next set's level groups.
    loadpal(gfx_, rom_);
    QDialog::accept();
    // The map pictures are recoloured in a level too, so that leaving it
    // shows the new colours. The window redraws what the mode shows.
    colormap(gfx_, rom_, world_);
    if (area_)
        colorlvlgfx(gfx_, area_->lvlobjset, hdrfield(area_->lvlhdr, HdrField::LevelColours), area_->graphicset());
}

void EditMapPal::reject()
{
    // Every edit since the last OK is dropped: the palettes are read from
    // the ROM again, or put back as they were when the dialog opened.
    if (!loadpal(gfx_, rom_)) {
        std::memcpy(gfx_.lvlpal, lvlpalopened_, sizeof lvlpalopened_);
        std::memcpy(gfx_.enmpal, enmpalopened_, sizeof enmpalopened_);
    }
    QDialog::reject();
}

} // namespace quib
