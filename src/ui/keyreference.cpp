#include "ui/keyreference.h"

#include "editor/editorstate.h"
#include "editor/keys.h"
#include "editor/presentation.h"
#include "ui/itemactions.h"
#include "ui/keys.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace quib {

namespace {

// What the mouse does, by mode.
struct MouseRow {
    unsigned modes;
    const char *what, *action;
};
const MouseRow mouserows[] = {
    {modebit(ModeMapEditing), "Left click", "Put the cursor on the square"},
    {modebit(ModeMapEditing), "Shift + left click", "Paint the current tile"},
    {modebit(ModeMapEditing), "Left click with the toolbox", "Draw the toolbox tile, or Replace all of that tile"},
    {modebit(ModeMapEditing), "Right click", "Pick the square's tile as the current tile"},
    {modebit(ModeMapEditing), "Drag", "Keep doing what the press did, square after square"},
    {modebit(ModeMapPointers), "Click", "Select the pointer on the square"},
    {modebit(ModeMapPointers), "Drag", "Move the selected pointer"},
    {modebit(ModeMapSprites), "Click", "Select the sprite under the pointer"},
    {modebit(ModeMapSprites), "Left drag", "Move the selected sprite square by square"},
    {modebit(ModeMapSprites), "Right drag", "Move the selected sprite pixel by pixel"},
    {levelmodes, "Click", "Select the object or enemy under the pointer (an item of the mode wins)"},
    {levelmodes, "Drag", "Move the selected objects or enemies block by block"},
    {levelmodes, "Ctrl + click", "Add the object or enemy to the selection, or take it out"},
    {levelmodes, "Ctrl + drag from no item", "Select every item of the mode whose box the rectangle touches"},
    {levelmodes, "Wheel", "Scroll the view up or down (with Shift: across)"},
    {mapmodes, "Shift + wheel", "Scroll the map across"},
    {allmodes, "Ctrl + wheel", "Zoom in or out"},
    {allmodes, "Move", "Tell in the status bar the block under the pointer and what lies on it"},
};

QString escaped(const QString &s)
{
    return s.toHtmlEscaped();
}

QString modsprefix(ModReq mods)
{
    switch (mods) {
    case ModReq::With: return QStringLiteral("Shift/Ctrl/Alt + ");
    default: return QString();
    }
}

} // namespace

QString KeyReference::text(int mode)
{
    QString html = QStringLiteral("<h3>%1 mode</h3><table cellspacing=\"4\">").arg(escaped(modename(uint8_t(mode))));
    html += QStringLiteral("<tr><th align=\"left\">Key</th><th align=\"left\">Without keypad</th>"
                           "<th align=\"left\">Action</th></tr>");
    for (const KeyHelp &row : keyreference()) {
        if (!(row.modes & modebit(mode)))
            continue;
        const QString twin = laptopkey(row.key);
        html += QStringLiteral("<tr><td>%1%2</td><td>%3</td><td>%4</td></tr>")
                    .arg(escaped(modsprefix(row.mods)), escaped(keyname(row.key)),
                         twin.isEmpty() ? QString() : escaped(modsprefix(row.mods).replace(
                                                              QStringLiteral("Shift/Ctrl/Alt"), QStringLiteral("Shift"))
                                                          + twin),
                         escaped(row.action));
    }
    if (modebit(mode) & levelmodes) {
        html += QStringLiteral("</table><h3>Edit menu</h3><table cellspacing=\"4\">");
        for (const ItemCommand &c : itemcommands()) {
            QStringList keys;
            for (const QKeySequence &k : c.keys)
                keys << k.toString(QKeySequence::NativeText);
            html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                        .arg(escaped(c.text), escaped(keys.join(QStringLiteral(", "))), escaped(c.help));
        }
    }
    html += QStringLiteral("</table><h3>Mouse</h3><table cellspacing=\"4\">");
    for (const MouseRow &row : mouserows)
        if (row.modes & modebit(mode))
            html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>")
                        .arg(escaped(QString::fromLatin1(row.what)), escaped(QString::fromLatin1(row.action)));
    html += QStringLiteral("</table><p>Edit &gt; Undo (Ctrl+Z) and Redo (Ctrl+Y) take back any edit of the map "
                           "or the level; Save (Ctrl+S) writes it into the ROM.</p>");
    return html;
}

KeyReference::KeyReference(int mode, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("KeyReference"));
    setWindowTitle(QStringLiteral("Keys and mouse"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *col = new QVBoxLayout(this);
    view_ = new QTextBrowser(this);
    view_->setHtml(text(mode));
    col->addWidget(view_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    col->addWidget(buttons);
    resize(620, 520);
}

void KeyReference::show(QWidget *parent, int mode)
{
    if (auto *open = parent->findChild<KeyReference *>(); open) {
        open->view_->setHtml(text(mode));
        open->raise();
        return;
    }
    auto *ref = new KeyReference(mode, parent);
    ref->QDialog::show();
}

} // namespace quib
