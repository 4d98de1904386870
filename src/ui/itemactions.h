#pragma once
// The Edit menu's commands that build a level area: Add, Delete, Cut, Copy,
// Paste, Duplicate, Select All, Bring to Front and Send to Back, with the
// system clipboard. One table gives the menu items, their keys and their
// lines in the keyboard reference.
#include "level/itemedit.h"

#include <QKeySequence>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <optional>
#include <vector>

class QAction;
class QMenu;
class QMimeData;
class QWidget;

namespace quib {

class Document;
class ItemPalette;
class LvlView;

// A row of the table: the menu item's text and object name, its keys and
// what it does, for the keyboard reference.
struct ItemCommand {
    QString text, name;
    std::vector<QKeySequence> keys;
    QString help;
};
const std::vector<ItemCommand> &itemcommands();

class ItemActions : public QObject {
    Q_OBJECT
public:
    // Adds the commands to `menu`; `view` tells where the mouse pointer is.
    ItemActions(Document &doc, LvlView &view, QMenu &menu, QWidget *parent);

    // Enabled in the level modes only; Bring to Front and Send to Back in
    // object editing.
    void setmode(int editmode);

    // The block under the mouse pointer while it is over the view.
    std::optional<Block> pointerblock() const;
    // The block under the pointer when it was last over the view, else the
    // view's centre block: where the item palette adds.
    Block paletteblock() const;

    // Adds a group of items (the palette's choice, a drop) at a block;
    // reports a refusal.
    void add(const ItemGroup &group, Block at);
    // Data of the editor's own type, dropped on the view at surface pixel p.
    void drop(QPoint p, const QByteArray &data);

    void copy();
    void paste();

    // The item palette: opened (or raised) by Levels > Item palette ...;
    // while open it follows the area, its colours and the zoom.
    void showpalette(int zoom);
    void refreshpalette(int zoom);
    ItemPalette *palette() const;

private:
    void refused(const QString &why);

    Document &doc_;
    LvlView &view_;
    QWidget *parent_;
    std::vector<QAction *> actions_;
    std::optional<QPoint> over_; // the pointer over the view, surface pixels
    std::optional<QPoint> last_; // where it was last seen over the view
    QPointer<ItemPalette> palette_;
};

// The clipboard's contents for copied items, and the items of a clipboard's
// contents (the editor's own type first, else its text).
QMimeData *itemsmimedata(const ItemGroup &group);
std::optional<ItemGroup> itemsfrommime(const QMimeData *data, QString *error);

} // namespace quib
