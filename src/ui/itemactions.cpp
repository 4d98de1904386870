#include "ui/itemactions.h"

#include "editor/document.h"
#include "dialogs/itempalette.h"
#include "editor/editorstate.h"
#include "level/itemclip.h"
#include "widgets/lvlview.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>

namespace quib {

namespace {

enum Command { Add, Delete, Cut, Copy, Paste, Duplicate, SelectAll, ToFront, ToBack };

} // namespace

const std::vector<ItemCommand> &itemcommands()
{
    // The editor's older keys stay theirs (Ctrl+X leaves the level, Ctrl+V shows
    // the map sprites, Ctrl+A edits the starting status); the clipboard
    // takes the other common keys.
    static const std::vector<ItemCommand> table = {
        {QStringLiteral("Add"), QStringLiteral("additem"), {QKeySequence(Qt::Key_Insert)},
         QStringLiteral("Add a copy of the item picked last under the mouse pointer (else one block right of it)")},
        {QStringLiteral("Delete"), QStringLiteral("deleteitems"), {QKeySequence(Qt::Key_Delete)},
         QStringLiteral("Delete the selected objects or enemies")},
        {QStringLiteral("Cut"), QStringLiteral("cutitems"), {QKeySequence(Qt::SHIFT | Qt::Key_Delete)},
         QStringLiteral("Copy the selection to the clipboard and delete it")},
        {QStringLiteral("Copy"), QStringLiteral("copyitems"),
         {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)},
         QStringLiteral("Copy the selection to the clipboard (also as text)")},
        {QStringLiteral("Paste"), QStringLiteral("pasteitems"), {QKeySequence(Qt::SHIFT | Qt::Key_Insert)},
         QStringLiteral("Paste with the group's top-left at the mouse pointer (else the view's top-left)")},
        {QStringLiteral("Duplicate"), QStringLiteral("duplicateitems"), {QKeySequence(Qt::CTRL | Qt::Key_D)},
         QStringLiteral("A copy of the selection one block right and below")},
        {QStringLiteral("Select All"), QStringLiteral("selectallitems"),
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A)}, QStringLiteral("Select every object (enemy) of the area")},
        {QStringLiteral("Bring to Front"), QStringLiteral("bringtofront"), {},
         QStringLiteral("Move the selected objects to the end of the area's list: drawn last")},
        {QStringLiteral("Send to Back"), QStringLiteral("sendtoback"), {},
         QStringLiteral("Move the selected objects to the start of the area's list: drawn first")},
    };
    return table;
}

ItemActions::ItemActions(Document &doc, LvlView &view, QMenu &menu, QWidget *parent)
    : QObject(parent), doc_(doc), view_(view), parent_(parent)
{
    menu.addSeparator();
    const auto &table = itemcommands();
    for (size_t i = 0; i < table.size(); ++i) {
        QAction *a = menu.addAction(table[i].text);
        a->setObjectName(table[i].name);
        a->setShortcuts(QList<QKeySequence>(table[i].keys.begin(), table[i].keys.end()));
        a->setEnabled(false);
        actions_.push_back(a);
        if (i == ToFront)
            menu.addSeparator();
    }
    connect(actions_[Add], &QAction::triggered, this, [this] { refused(doc_.additem(pointerblock())); });
    connect(actions_[Delete], &QAction::triggered, this, [this] { doc_.deleteitems(); });
    connect(actions_[Cut], &QAction::triggered, this, [this] {
        copy();
        doc_.deleteitems(true);
    });
    connect(actions_[Copy], &QAction::triggered, this, &ItemActions::copy);
    connect(actions_[Paste], &QAction::triggered, this, &ItemActions::paste);
    connect(actions_[Duplicate], &QAction::triggered, this, [this] { refused(doc_.duplicateitems()); });
    connect(actions_[SelectAll], &QAction::triggered, this, [this] { doc_.selectallitems(); });
    connect(actions_[ToFront], &QAction::triggered, this, [this] { doc_.bringtofront(); });
    connect(actions_[ToBack], &QAction::triggered, this, [this] { doc_.sendtoback(); });

    connect(&view_, &LvlView::hovered, this, [this](const ViewMouse &m) { over_ = last_ = QPoint(m.x, m.y); });
    connect(&view_, &LvlView::dragged, this, [this](const ViewMouse &m) { over_ = last_ = QPoint(m.x, m.y); });
    connect(&view_, &LvlView::left, this, [this] { over_.reset(); });
    view_.setdroptype(QString::fromLatin1(itemmimetype));
    connect(&view_, &LvlView::dropped, this,
            [this](const ViewMouse &m, const QByteArray &data) { drop(QPoint(m.x, m.y), data); });
}

void ItemActions::setmode(int mode)
{
    const bool level = !ismapmode(uint8_t(mode));
    for (size_t i = 0; i < actions_.size(); ++i)
        actions_[i]->setEnabled(level && (i < ToFront || mode == ModeObjectEditing));
}

std::optional<Block> ItemActions::pointerblock() const
{
    if (!over_)
        return std::nullopt;
    return viewblock(doc_.state().level, over_->x(), over_->y());
}

Block ItemActions::paletteblock() const
{
    const EditorState &s = doc_.state();
    if (last_)
        return viewblock(s.level, last_->x(), last_->y());
    return viewblock(s.level, s.lvl.width / 2, s.lvl.height / 2);
}

void ItemActions::refused(const QString &why)
{
    if (!why.isEmpty())
        QMessageBox::warning(parent_, QStringLiteral("Can't add"), why);
}

void ItemActions::add(const ItemGroup &group, Block at)
{
    refused(doc_.pasteitems(group, at));
}

void ItemActions::drop(QPoint p, const QByteArray &data)
{
    QString error;
    const std::optional<ItemGroup> group = parseitemsmime(data, &error);
    if (!group) {
        QMessageBox::warning(parent_, QStringLiteral("Can't paste"), error);
        return;
    }
    over_ = last_ = p;
    add(*group, viewblock(doc_.state().level, p.x(), p.y()));
}

void ItemActions::copy()
{
    const ItemGroup group = doc_.copyitems();
    if (!group.empty())
        QGuiApplication::clipboard()->setMimeData(itemsmimedata(group));
}

void ItemActions::paste()
{
    QString error;
    const std::optional<ItemGroup> group = itemsfrommime(QGuiApplication::clipboard()->mimeData(), &error);
    if (!group) {
        QMessageBox::warning(parent_, QStringLiteral("Can't paste"), error);
        return;
    }
    const Level &l = doc_.state().level;
    add(*group, pointerblock().value_or(Block{l.lvlscrollx, l.lvlscrolly}));
}

void ItemActions::showpalette(int zoom)
{
    if (!palette_) {
        palette_ = new ItemPalette(parent_);
        connect(palette_, &ItemPalette::chosen, this, [this](const ItemGroup &g) { add(g, paletteblock()); });
    }
    palette_->show();
    palette_->raise();
    refreshpalette(zoom);
}

ItemPalette *ItemActions::palette() const
{
    return palette_.data();
}

void ItemActions::refreshpalette(int zoom)
{
    if (!palette_ || !palette_->isVisible())
        return;
    const EditorState &s = doc_.state();
    const bool level = !ismapmode(s.editmode);
    palette_->setEnabled(level);
    if (level)
        palette_->refresh(s.level, s.props, s.objcells, s.gfx, s.names.enemynames, zoom);
}

QMimeData *itemsmimedata(const ItemGroup &group)
{
    auto *data = new QMimeData;
    data->setData(QString::fromLatin1(itemmimetype), itemsmime(group));
    data->setText(itemstext(group));
    return data;
}

std::optional<ItemGroup> itemsfrommime(const QMimeData *data, QString *error)
{
    if (data && data->hasFormat(QString::fromLatin1(itemmimetype)))
        return parseitemsmime(data->data(QString::fromLatin1(itemmimetype)), error);
    if (!data || !data->hasText()) {
        if (error)
            *error = QStringLiteral("The clipboard holds no objects or enemies.");
        return std::nullopt;
    }
    return parseitems(data->text(), error);
}

} // namespace quib
