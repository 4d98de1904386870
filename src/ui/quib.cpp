#include "ui/quib.h"

#include "dialogs/areapointers.h"
#include "dialogs/editlvlmusic.h"
#include "dialogs/emulatorcommand.h"
#include "dialogs/editmappal.h"
#include "dialogs/editstarttime.h"
#include "dialogs/editstatus.h"
#include "dialogs/romspace.h"
#include "rom/backup.h"
#include "rom/romfile.h"
#include "editor/settings.h"
#include "editor/playtest.h"
#include "editor/startup.h"
#include "ui/splash.h"
#include "rom/hex.h"
#include "editor/levelstate.h"
#include "editor/presentation.h"
#include "editor/pointerinfo.h"
#include "level/drawlevel.h"
#include "dialogs/levelheader.h"
#include "dialogs/enterbyoffsets.h"
#include "level/navigate.h"
#include "level/rommap.h"
#include "ui/areaactions.h"
#include "ui/itemactions.h"
#include "ui/keyreference.h"
#include "ui/keys.h"
#include "ui/romwatch.h"
#include "level/leveledit.h"
#include "widgets/lvlview.h"
#include "widgets/overview.h"
#include "widgets/zoom.h"
#include "editor/mapstate.h"
#include "worldmap/drawmap.h"
#include "dialogs/mappointer.h"
#include "dialogs/mapproperties.h"
#include "dialogs/maptoolbox.h"
#include "dialogs/startposition.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QCursor>
#include <QDir>
#include <QGridLayout>
#include <QKeyEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace quib {

namespace {

// The ROM prompt, wide enough for its title and the whole path offered.
QString askwithdialog(QWidget *parent, const QString &title, const QString &label, const QString &initial)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextValue(initial);
    const QFontMetrics fm(dialog.font());
    // Room for the path with the edit's frame and the dialog's margins, and
    // for the title beside the title bar's buttons.
    int width = std::max({420, fm.horizontalAdvance(initial) + 80, 2 * fm.horizontalAdvance(title) + 160});
    if (QScreen *screen = dialog.screen())
        width = std::min(width, screen->availableGeometry().width() * 9 / 10);
    dialog.resize(std::max(width, dialog.sizeHint().width()), dialog.sizeHint().height());
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

Document::Leave askwithbox(QWidget *parent, const QString &question)
{
    const auto answer = QMessageBox::question(parent, QStringLiteral("Unsaved changes"), question,
                                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                              QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return Document::Leave::Save;
    if (answer == QMessageBox::Discard)
        return Document::Leave::Discard;
    return Document::Leave::Cancel;
}

// A save that failed: the edits stay in the editor.
void notsaved(QWidget *parent, const QString &error)
{
    QMessageBox::warning(parent, QStringLiteral("Not saved"),
                         error + QStringLiteral("\n\nYour edits are kept in the editor."));
}

// An area that links nowhere.
void cantgothere(QWidget *parent)
{
    QMessageBox::warning(parent, QStringLiteral("Can't go there!"), QStringLiteral("No room is pointed from that area."));
}

// The ROM map of the ROM as saved (the image holds what the editor last read
// or wrote); unsaved edits are not in it.
std::optional<RomMap> readrommap(QWidget *parent, const EditorState &s)
{
    if (!s.rom.isopen() || s.rom.length() == 0) {
        QMessageBox::warning(parent, QStringLiteral("Can't read the ROM"),
                             QStringLiteral("No ROM is open."));
        return std::nullopt;
    }
    return buildrommap(s.rom.image(), s.props);
}

} // namespace

QuibWindow::QuibWindow(QWidget *parent)
    : QMainWindow(parent), romprompt_(askwithdialog), leaveprompt_(askwithbox), filepicker_(askfile),
      datadir_(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
{
    setObjectName(QStringLiteral("quib"));
    setWindowTitle(QStringLiteral("Quib editor"));

    // The view takes the window's middle, the labels stand beside it, the
    // overview (when shown) below it or, for an upright area, between them.
    auto *central = new QWidget(this);
    centre_ = new QGridLayout(central);
    lvl_ = new LvlView(state_.lvl, central, zoom_);
    area_ = new ViewArea(lvl_, central);
    connect(area_, &ViewArea::zoomwheel, this, [this](int steps, const QPoint &at) { zoomat(zoom_ + steps, at); });
    connect(area_, &ViewArea::scrollwheel, this, &QuibWindow::wheelscroll);
    connect(area_, &ViewArea::resized, this, [this] {
        if (fitview() && state_.rom.isopen())
            redraw(); // nothing to draw before a ROM is open
    });
    centre_->addWidget(area_, 0, 0);
    overview_ = new Overview(central);
    overview_->hide();
    connect(overview_, &Overview::scrollto, this, &QuibWindow::overviewscroll);
    overviewtimer_ = new QTimer(this);
    overviewtimer_->setSingleShot(true);
    overviewtimer_->setInterval(50);
    connect(overviewtimer_, &QTimer::timeout, this, [this] {
        if (overviewaction_->isChecked() && overviewdirty_ && !intransition())
            refreshoverview();
    });

    auto *side = new QWidget(central);
    side->setFixedWidth(240);
    auto *column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 4; ++i) {
        auto *label = new QLabel(side);
        label->setObjectName(QStringLiteral("t%1").arg(i));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        t_[size_t(i)] = label;
        column->addWidget(label);
    }
    column->addStretch(1);
    save_ = new QPushButton(QStringLiteral("Save"), side);
    save_->setObjectName(QStringLiteral("Save"));
    save_->setFocusPolicy(Qt::NoFocus); // keys belong to the editor, not the button
    connect(save_, &QPushButton::clicked, this, &QuibWindow::save);
    column->addWidget(save_, 0, Qt::AlignLeft);
    centre_->addWidget(side, 0, 2);
    centre_->setColumnStretch(0, 1);
    centre_->setRowStretch(0, 1);
    setCentralWidget(central);
    installEventFilter(new KeypadKeys(this));

    connect(lvl_, &LvlView::pressed, this, &QuibWindow::lvlpressed);
    connect(lvl_, &LvlView::dragged, this, &QuibWindow::lvldragged);
    connect(lvl_, &LvlView::released, &doc_, &Document::release);
    connect(lvl_, &LvlView::hovered, this, [this](const ViewMouse &m) {
        pointer_ = QPoint(m.x, m.y);
        showpointer();
    });
    connect(lvl_, &LvlView::left, this, [this] {
        pointer_.reset();
        showpointer();
    });
    setFocusPolicy(Qt::StrongFocus);

    // The mode and the current map tile stay in sight in the status bar.
    modelabel_ = new QLabel(this);
    modelabel_->setObjectName(QStringLiteral("modelabel"));
    tilelabel_ = new QLabel(this);
    tilelabel_->setObjectName(QStringLiteral("tilelabel"));
    // What is under the mouse pointer: a normal widget, so the status
    // messages cover it for their few seconds.
    pointerlabel_ = new QLabel(this);
    pointerlabel_->setObjectName(QStringLiteral("pointerlabel"));
    statusBar()->addWidget(pointerlabel_, 1);
    statusBar()->addPermanentWidget(tilelabel_);
    statusBar()->addPermanentWidget(modelabel_);

    transition_ = new QTimer(this);
    transition_->setInterval(15);
    connect(transition_, &QTimer::timeout, this, &QuibWindow::transitionstep);

    doc_.setguard([this](Document &doc) { return askleave(doc); });
    doc_.setmoveprompt([this](const QString &question) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Move area"), question, QMessageBox::NoButton, this);
        QPushButton *move = box.addButton(QStringLiteral("Move"), QMessageBox::AcceptRole);
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(move);
        box.exec();
        return box.clickedButton() == move;
    });
    connect(&doc_, &Document::changed, this, &QuibWindow::changed);
    connect(&doc_, &Document::savefailed, this, [this](const QString &error) {
        if (!error.isEmpty()) // else the user cancelled the save
            notsaved(this, error);
    });
    connect(&doc_, &Document::writefailed, this, [this](const QString &error) {
        QMessageBox::warning(this, QStringLiteral("Not written"), error);
    });
    connect(&doc_.undostack(), &QUndoStack::cleanChanged, this, [this] { showview(); });
    connect(&doc_.undostack(), &QUndoStack::indexChanged, this, [this] { showview(); });

    buildmenus();
    splash_ = new Splash(this);
}

QuibWindow::~QuibWindow() = default;

void QuibWindow::buildmenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File"));
    file->addAction(QStringLiteral("&Create patch ..."), this, &QuibWindow::createpatch)
        ->setObjectName(QStringLiteral("createpatch"));
    file->addAction(QStringLiteral("&Apply patch ..."), this, &QuibWindow::applypatch)
        ->setObjectName(QStringLiteral("applypatch"));

    levels_ = menuBar()->addMenu(QStringLiteral("&Levels"));
    levels_->setObjectName(QStringLiteral("Levels"));
    connect(levels_, &QMenu::aboutToShow, this, &QuibWindow::updatelevelsmenu);
    msave_ = levels_->addAction(QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), this, &QuibWindow::save);
    msave_->setObjectName(QStringLiteral("MSave"));
    levels_->addSeparator()->setObjectName(QStringLiteral("sep0"));
    emodswitch_ = levels_->addAction(QStringLiteral("&Go to Map Pointers mode"), this, &QuibWindow::emodswitch);
    emodswitch_->setObjectName(QStringLiteral("emodswitch"));
    emodswitch2_ = levels_->addAction(QStringLiteral("G&o to Map Sprites mode"), this, &QuibWindow::emodswitch2);
    emodswitch2_->setObjectName(QStringLiteral("emodswitch2"));
    movestart_ = levels_->addAction(QStringLiteral("&Move start point on map ..."), this, &QuibWindow::movestart);
    movestart_->setObjectName(QStringLiteral("movestart"));
    levels_->addSeparator()->setObjectName(QStringLiteral("sep1"));
    enterlevelM_ = levels_->addAction(QStringLiteral("&Enter level"), QKeySequence(Qt::CTRL | Qt::Key_E), this,
                                      &QuibWindow::enterlevelM);
    enterlevelM_->setObjectName(QStringLiteral("enterlevelM"));
    enterlevelspec_ = levels_->addAction(QStringLiteral("E&nter level from specified offset and object set ..."),
                                         QKeySequence(Qt::CTRL | Qt::Key_L), this, &QuibWindow::enterlevelspec);
    enterlevelspec_->setObjectName(QStringLiteral("enterlevelspec"));
    exitlevelM_ = levels_->addAction(QStringLiteral("E&xit level"), QKeySequence(Qt::CTRL | Qt::Key_X), this,
                                     &QuibWindow::exitlevelM);
    exitlevelM_->setObjectName(QStringLiteral("exitlevelM"));
    areapointers_ = levels_->addAction(QStringLiteral("Poin&ters to this area ..."), this,
                                       &QuibWindow::showareapointers);
    areapointers_->setObjectName(QStringLiteral("areapointers"));
    exportarea_ = levels_->addAction(QStringLiteral("Export area ..."), this, [this] {
        if (const QString done = exportareaflow(this, doc_, filepicker_); !done.isEmpty())
            status(done);
    });
    exportarea_->setObjectName(QStringLiteral("exportarea"));
    importarea_ = levels_->addAction(QStringLiteral("Import area ..."), this, [this] {
        if (const QString done = importareaflow(this, doc_, filepicker_); !done.isEmpty())
            status(done);
    });
    importarea_->setObjectName(QStringLiteral("importarea"));
    levels_->addAction(QStringLiteral("Item palette ..."), this, [this] { itemactions_->showpalette(zoom_); })
        ->setObjectName(QStringLiteral("itempalette"));
    levels_->addAction(QStringLiteral("&Play ROM"), QKeySequence(Qt::Key_F5), this, &QuibWindow::playrom)
        ->setObjectName(QStringLiteral("playrom"));
    levels_->addSeparator()->setObjectName(QStringLiteral("sep2"));
    quit_ = levels_->addAction(QStringLiteral("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), this, &QuibWindow::Quit);
    quit_->setObjectName(QStringLiteral("Quit"));

    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("Edit"));
    undo_ = doc_.undostack().createUndoAction(this, QStringLiteral("&Undo"));
    undo_->setObjectName(QStringLiteral("undo"));
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_ = doc_.undostack().createRedoAction(this, QStringLiteral("&Redo"));
    redo_->setObjectName(QStringLiteral("redo"));
    redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    // A step of a writing dialog writes before it moves; a failed write keeps it.
    disconnect(undo_, &QAction::triggered, &doc_.undostack(), nullptr);
    disconnect(redo_, &QAction::triggered, &doc_.undostack(), nullptr);
    connect(undo_, &QAction::triggered, &doc_, &Document::undo);
    connect(redo_, &QAction::triggered, &doc_, &Document::redo);
    edit->addAction(undo_);
    edit->addAction(redo_);
    itemactions_ = new ItemActions(doc_, *lvl_, *edit, this);
    connect(this, &QuibWindow::zoomchanged, itemactions_, &ItemActions::refreshpalette);

    QMenu *options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("Options"));
    viewmapsprites_ = options->addAction(QStringLiteral("&View map sprites when not in Map Sprites mode"),
                                         QKeySequence(Qt::CTRL | Qt::Key_V), this,
                                         &QuibWindow::toggleviewmapsprites);
    viewmapsprites_->setObjectName(QStringLiteral("viewmapsprites"));
    viewmapsprites_->setCheckable(true);
    viewlvlbg_ = options->addAction(QStringLiteral("View level &background"), QKeySequence(Qt::CTRL | Qt::Key_B),
                                    this, &QuibWindow::toggleviewlvlbg);
    viewlvlbg_->setObjectName(QStringLiteral("viewlvlbg"));
    viewlvlbg_->setCheckable(true);
    usemapobjtb_ = options->addAction(QStringLiteral("Use Map Objects &toolbox"), QKeySequence(Qt::CTRL | Qt::Key_J),
                                      this, &QuibWindow::usemapobjtb);
    usemapobjtb_->setObjectName(QStringLiteral("usemapobjtb"));
    usemapobjtb_->setCheckable(true);
    options->addSeparator();
    keeporiginal_ = options->addAction(QStringLiteral("&Keep a copy of the original ROM"), this,
                                       &QuibWindow::togglekeeporiginal);
    keeporiginal_->setObjectName(QStringLiteral("keeporiginal"));
    keeporiginal_->setCheckable(true);
    keeporiginal_->setChecked(true);
    options->addAction(QStringLiteral("&Emulator command ..."), this, &QuibWindow::editemulator)
        ->setObjectName(QStringLiteral("emulatorcommand"));

    buildviewmenu();

    QMenu *other = menuBar()->addMenu(QStringLiteral("O&ther"));
    other->setObjectName(QStringLiteral("Other"));
    other->addAction(QStringLiteral("Edit &color palettes ..."), QKeySequence(Qt::CTRL | Qt::Key_P), this,
                     &QuibWindow::editmappalettes)->setObjectName(QStringLiteral("editmappalettes"));
    other->addAction(QStringLiteral("Edit starting &time for levels ..."), QKeySequence(Qt::CTRL | Qt::Key_T), this,
                     &QuibWindow::editstartingtime)->setObjectName(QStringLiteral("editstartingtime"));
    other->addAction(QStringLiteral("Edit starting &status ..."), QKeySequence(Qt::CTRL | Qt::Key_A), this,
                     &QuibWindow::editstartingstatus)->setObjectName(QStringLiteral("editstartingstatus"));
    editmapproperties_ = other->addAction(QStringLiteral("Edit &world map properties ..."),
                                          QKeySequence(Qt::CTRL | Qt::Key_W), this, &QuibWindow::editmapproperties);
    editmapproperties_->setObjectName(QStringLiteral("editmapproperties"));
    other->addAction(QStringLiteral("Edit level &music set ..."), QKeySequence(Qt::CTRL | Qt::Key_M), this,
                     &QuibWindow::editlvlmusicset)->setObjectName(QStringLiteral("EditLvlMusicSet"));
    other->addAction(QStringLiteral("&ROM space ..."), this, &QuibWindow::showromspace)
        ->setObjectName(QStringLiteral("romspace"));

    about_ = menuBar()->addAction(QStringLiteral("&About"), this, &QuibWindow::about);
    about_->setObjectName(QStringLiteral("about"));

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help"));
    keyreference_ = help->addAction(QStringLiteral("&Keys and mouse ..."), QKeySequence(Qt::Key_F1), this,
                                    &QuibWindow::showkeyreference);
    keyreference_->setObjectName(QStringLiteral("keyreference"));
}

// The zoom keys are the main keyboard's: keypad keys never reach a shortcut
// (see KeypadKeys), they edit.
void QuibWindow::buildviewmenu()
{
    QMenu *view = menuBar()->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("View"));
    zoomin_ = view->addAction(QStringLiteral("Zoom &In"), this, [this] { setzoom(zoom_ + 1); });
    zoomin_->setObjectName(QStringLiteral("zoomin"));
    zoomin_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    zoomout_ = view->addAction(QStringLiteral("Zoom &Out"), QKeySequence(Qt::CTRL | Qt::Key_Minus), this,
                               [this] { setzoom(zoom_ - 1); });
    zoomout_->setObjectName(QStringLiteral("zoomout"));
    actualsize_ = view->addAction(QStringLiteral("&Actual Size"), QKeySequence(Qt::CTRL | Qt::Key_0), this,
                                  [this] { setzoom(1); });
    actualsize_->setObjectName(QStringLiteral("actualsize"));
    view->addSeparator();
    grid_ = view->addAction(QStringLiteral("&Grid"), QKeySequence(Qt::CTRL | Qt::Key_G), this, &QuibWindow::showgrid);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setCheckable(true);
    overviewaction_ = view->addAction(QStringLiteral("&Overview"), this, &QuibWindow::showoverview);
    overviewaction_->setObjectName(QStringLiteral("overview"));
    overviewaction_->setCheckable(true);
}

void QuibWindow::setzoom(int zoom)
{
    // The block under the mouse pointer, else the one in the middle.
    QWidget *port = area_->viewport();
    QPoint at = port->mapFromGlobal(QCursor::pos());
    if (!port->rect().contains(at))
        at = port->rect().center();
    zoomat(zoom, at);
}

namespace {

// Whole pixels of the surface under `at`, kept on the surface.
QPoint surfacepixel(const LvlView *lvl, const QWidget *port, const QPoint &at, const Surface &s)
{
    const QPoint p = lvl->mapFrom(port, at);
    const int z = lvl->zoom();
    auto floordiv = [](int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); };
    return {std::clamp(floordiv(p.x(), z), 0, s.width - 1), std::clamp(floordiv(p.y(), z), 0, s.height - 1)};
}

} // namespace

void QuibWindow::zoomat(int zoom, const QPoint &at)
{
    zoom = clampzoom(zoom);
    zoomin_->setEnabled(zoom < maxzoom);
    zoomout_->setEnabled(zoom > minzoom);
    if (zoom == zoom_)
        return;
    const bool keepsize = !fitted() && isVisible();
    const QPoint before = surfacepixel(lvl_, area_->viewport(), at, state_.lvl);
    zoom_ = zoom;
    lvl_->setzoom(zoom);
    area_->sethint(QSize(256, 240) * zoom);
    emit zoomchanged(zoom);
    if (!keepsize) {
        // The window at its first size follows the zoom, showing 16 x 15 blocks.
        fitwindow(this);
        fitsize_ = size();
    }
    fitview();
    if (keepsize && !intransition()) {
        // The block that was under `at` goes back under it.
        const QPoint after = surfacepixel(lvl_, area_->viewport(), at, state_.lvl);
        const int dx = before.x() / 16 - after.x() / 16, dy = before.y() / 16 - after.y() / 16;
        const ViewSize view = viewsizeof(state_.lvl);
        if (ismapmode(state_.editmode)) {
            WorldMap &map = state_.map;
            map.mapscroll = uint8_t(std::clamp(map.mapscroll + dx, 0, mapscrollmax(map, view)));
            if (state_.editmode == ModeMapEditing)
                clampcursor(map, view);
        } else if (dx != 0 || dy != 0) {
            Level &l = state_.level;
            l.lvlscrollx = int16_t(l.lvlscrollx + dx);
            l.lvlscrolly = int16_t(l.lvlscrolly + dy);
            clampscroll(l, view);
        }
    }
    redraw();
    placetoolbox();
}

bool QuibWindow::fitted() const
{
    return !isMaximized() && !isFullScreen() && size() == fitsize_;
}

bool QuibWindow::fitview()
{
    const int block = 16 * zoom_;
    const QSize room = area_->maximumViewportSize();
    const ViewSize want{std::max(16, room.width() / block), std::max(15, room.height() / block)};
    if (want == viewsizeof(state_.lvl))
        return false;
    state_.lvl = Surface(16 * want.cols, 16 * want.rows, mapbackground);
    lvl_->setzoom(zoom_); // takes the surface's new size
    keepinview();
    return true;
}

// A view that grew shows no more than the world or the area: the scroll
// comes back so that their last column and row are at its edge.
void QuibWindow::keepinview()
{
    const ViewSize view = viewsizeof(state_.lvl);
    WorldMap &map = state_.map;
    map.mapscroll = uint8_t(std::min<int>(map.mapscroll, std::max(mapscrollmax(map, view), 0)));
    if (state_.editmode == ModeMapEditing)
        clampcursor(map, view);
    Level &l = state_.level;
    const ScrollLimits lim = levelscrolllimits(l, view);
    l.lvlscrollx = int16_t(std::min<int>(l.lvlscrollx, lim.maxx));
    l.lvlscrolly = int16_t(std::min<int>(l.lvlscrolly, lim.maxy));
}

void QuibWindow::showoverview()
{
    const bool on = overviewaction_->isChecked();
    overviewof_.clear(); // drawn again at once
    overview_->setVisible(on);
    if (on)
        redraw();
}

// The whole world or area, drawn by the view's own renderer with the view's
// options but no selection mark, below the view (beside it when upright).
// The blocks of the whole world or area.
QSize QuibWindow::overviewblocks() const
{
    if (ismapmode(state_.editmode))
        return QSize(state_.map.width(), maprows);
    return QSize(levelmaxx(state_.level) + 1, levelmaxy(state_.level, true) + 1);
}

// The overview is drawn keeping 1 pixel in 2^k each way, k as large as keeps
// the picture no smaller than the strip on the screen: the window's width
// below the view, the view's height beside it.
int QuibWindow::overviewshift(QSize blocks) const
{
    const int w = 16 * blocks.width(), h = 16 * blocks.height();
    if (blocks.height() > blocks.width())
        return reductionfor(w, h, 1, area_->height());
    return reductionfor(w, h, centralWidget()->width(), 1);
}

void QuibWindow::refreshoverview()
{
    overviewdirty_ = false;
    const bool map = ismapmode(state_.editmode);
    const QSize blocks = overviewblocks();
    const int k = overviewshift(blocks);
    Surface whole;
    if (map) {
        DrawOptions o = mapoptions(state_);
        o.area = {0, 0, blocks.width(), blocks.height()};
        o.selection = SelectionMark::none;
        whole = surfacefor(o.area, k);
        drawmap(whole, state_.map, state_.curworld, state_.gfx, o);
    } else {
        DrawOptions o = leveloptions(state_);
        o.area = {0, 0, blocks.width(), blocks.height()};
        o.selection = SelectionMark::none;
        o.sheets = false;
        whole = surfacefor(o.area, k);
        drawlevel(whole, state_.level, state_.props, state_.objcells, state_.gfx, o);
    }
    const bool wasupright = overview_->upright();
    overview_->setpicture(whole, blocks);
    if (wasupright != overview_->upright() || centre_->indexOf(overview_) == -1) {
        centre_->removeWidget(overview_);
        if (overview_->upright())
            centre_->addWidget(overview_, 0, 1);
        else
            centre_->addWidget(overview_, 1, 0, 1, 3);
    }
}

void QuibWindow::overviewscroll(int col, int row)
{
    if (intransition())
        return;
    const ViewSize view = viewsizeof(state_.lvl);
    if (ismapmode(state_.editmode)) {
        WorldMap &map = state_.map;
        map.mapscroll = uint8_t(std::clamp(col - mapviewcols(map, view) / 2, 0, mapscrollmax(map, view)));
        if (state_.editmode == ModeMapEditing)
            clampcursor(map, view);
    } else {
        Level &l = state_.level;
        const ViewSize shown = levelview(l, view);
        l.lvlscrollx = int16_t(col - shown.cols / 2);
        l.lvlscrolly = int16_t(row - shown.rows / 2);
        clampscroll(l, view);
    }
    redraw();
}

QString QuibWindow::settingsfile() const
{
    return state_.inidir + QString::fromLatin1(settingsname);
}

bool QuibWindow::startup(const QString &rompath)
{
    // 1. The settings file and the name offered for the ROM.
    state_.inidir = inidir();
    const Settings settings = readsettings(settingsfile());

    // 2. The ROM given on the command line, else ask; an empty or cancelled
    // answer ends the program.
    const QString answer = !rompath.isEmpty() ? rompath
                                              : romprompt_(this, QStringLiteral("Quib level editor"),
                                                           QStringLiteral("Enter the filename and path :"),
                                                           settings.filename);
    if (answer.isEmpty())
        return false;

    // 3. The splash window with its progress bar.
    state_.loadprogress = 0;
    splash_->version()->setText(versiontext());
    splash_->progress()->show();
    splash_->show();
    splash_->repaint();
    splash_->progress()->showprogress(state_.loadprogress);

    // 4. The ROM must exist and hold something, and not be far too large.
    // Nothing is created; only what a killed save of this ROM left is removed.
    // The whole file is read here, once.
    QString refusal = romrefusal(answer);
    if (refusal.isEmpty())
        state_.rom.open(answer, &refusal);
    if (!state_.rom.isopen()) {
        splash_->hide();
        QMessageBox::critical(nullptr, QString::fromLatin1(cantopentitle), refusal);
        return false;
    }
    removeunfinishedsaves(answer);
    state_.rom.setbeforewrite([this](const QString &path, QString *error) { return keeporiginal(path, error); });
    const QString sizewarning = romsizewarning(answer, state_.rom.length());
    if (!sizewarning.isEmpty())
        QMessageBox::warning(splash_, QStringLiteral("Unexpected ROM size"), sizewarning);

    // 5.-8. Options, tables and pictures, each behind its progress step.
    runstartup(state_, settings, [this](int32_t value) { splash_->progress()->showprogress(value); });
    viewmapsprites_->setChecked(state_.viewmapsprites);
    viewlvlbg_->setChecked(state_.viewlvlbg);
    setzoom(readzoom(settingsfile()));
    grid_->setChecked(readgrid(settingsfile()));
    emulator_ = reademulator(settingsfile());
    keeporiginal_->setChecked(readkeeporiginal(settingsfile()));
    overviewaction_->setChecked(readoverview(settingsfile()));
    overview_->setVisible(overviewaction_->isChecked());
    area_->sethint(QSize(256, 240) * zoom_);
    fitwindow(this);
    fitsize_ = size();
    // The size and state the window had when it was last closed.
    const WindowPlace place = readwindowplace(settingsfile());
    if (place.width > 0) {
        QSize size(place.width, place.height);
        if (QScreen *screen = this->screen())
            size = size.boundedTo(screen->availableGeometry().size());
        resize(size);
    }
    if (place.maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
    lastmode_ = state_.editmode;
    redraw();
    romwatch_ = new RomWatch(state_.rom, this);
    connect(romwatch_, &RomWatch::changed, this, &QuibWindow::romchanged);
    romwatch_->start();

    // 9. Idle in map editing mode.
    splash_->progress()->hide();
    splash_->hide();
    return true;
}

void QuibWindow::showview()
{
    const InfoLabels texts = infolabels(state_);
    for (int i = 0; i < 4; ++i) {
        // The texts break lines with CR+LF, LF+CR or a lone CR; a label wants LF.
        QString text = texts[size_t(i)];
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
            .replace(QStringLiteral("\n\r"), QStringLiteral("\n"))
            .replace(QLatin1Char('\r'), QLatin1Char('\n'));
        t_[size_t(i)]->setText(text);
    }
    setWindowTitle(windowtitle(state_) + (doc_.modified() ? QStringLiteral(" *") : QString()));
    // Enter and Exit level follow the mode, so their shortcuts always work.
    enterlevelM_->setEnabled(ismapmode(state_.editmode));
    exitlevelM_->setEnabled(!ismapmode(state_.editmode));
    areapointers_->setEnabled(!ismapmode(state_.editmode));
    exportarea_->setEnabled(!ismapmode(state_.editmode));
    importarea_->setEnabled(!ismapmode(state_.editmode));
    itemactions_->setmode(state_.editmode);
    itemactions_->refreshpalette(zoom_);
    usemapobjtb_->setEnabled(ismapmode(state_.editmode)); // the toolbox belongs to the map
    modelabel_->setText(modename(state_.editmode) + QStringLiteral(" mode"));
    tilelabel_->setText(QStringLiteral("Current tile: ") + hexpad(state_.curtile, 2) + QStringLiteral(" -- ")
                        + state_.names.maptilenames[state_.curtile]);
    showgrid();
    showpointer();
    lvl_->update();
}

void QuibWindow::showpointer()
{
    pointerlabel_->setText(pointer_ && !intransition() ? pointerinfo(state_, pointer_->x(), pointer_->y()) : QString());
}

namespace {

// What the view shows of the world or the area: the rest of a larger view
// stays the map's grey.
QRect shownblocks(const EditorState &s)
{
    const ViewSize view = viewsizeof(s.lvl);
    if (ismapmode(s.editmode))
        return QRect(s.map.mapscroll, 0, mapviewcols(s.map, view), maprows);
    const ViewSize v = levelview(s.level, view);
    return QRect(s.level.lvlscrollx, s.level.lvlscrolly, v.cols, v.rows);
}

void greyoutside(Surface &lvl, int width, int height)
{
    for (int y = 0; y < lvl.height; ++y) {
        uint32_t *row = lvl.row(y);
        std::fill(row + (y < height ? std::min(width, lvl.width) : 0), row + lvl.width, mapbackground);
    }
}

} // namespace

void QuibWindow::redraw()
{
    if (intransition())
        return;
    // Whatever moved the view kept it within a view of 16 x 15; a larger
    // one may reach past the area's end.
    if (viewsizeof(state_.lvl) != ViewSize{})
        keepinview();
    if (ismapmode(state_.editmode)) {
        drawmap(state_);
    } else {
        drawlevel(state_);
        const QRect shown = shownblocks(state_);
        greyoutside(state_.lvl, 16 * shown.width(), 16 * shown.height());
    }
    if (overviewaction_->isChecked()) {
        // Drawn again only when the world or the area may have changed, or
        // the window's size asks for another reduction.
        const QString of = QStringLiteral("%1 %2 %3 %4 %5 %6")
                               .arg(ismapmode(state_.editmode))
                               .arg(state_.curworld)
                               .arg(state_.level.lvlobjpos)
                               .arg(state_.viewmapsprites)
                               .arg(state_.viewlvlbg)
                               .arg(overviewshift(overviewblocks()));
        // Another world or area at once; edits of the same one (each move of
        // a drag) at most every few frames.
        if (of != overviewof_)
            refreshoverview();
        else if (overviewdirty_ && !overviewtimer_->isActive())
            overviewtimer_->start();
        overviewof_ = of;
        overview_->setshown(shownblocks(state_));
    }
    showview();
}

void QuibWindow::changed(unsigned what)
{
    if (what & ChangedMode || state_.editmode != lastmode_) {
        const uint8_t from = lastmode_;
        lastmode_ = state_.editmode;
        modechanged(from);
    }
    if (what & ChangedLoaded && maptool_)
        maptool_->refresh();
    if (what & (ChangedDocument | ChangedLoaded | ChangedMode))
        overviewdirty_ = true;
    redraw();
}

// The toolbox belongs to the map: it closes inside a level and comes back
// when the level is left.
void QuibWindow::modechanged(uint8_t from)
{
    if (ismapmode(from) == ismapmode(state_.editmode))
        return;
    if (ismapmode(state_.editmode)) {
        if (usemapobjtb_->isChecked())
            showtoolbox(true);
    } else if (!keeptoolbox_) {
        const bool hadtoolbox = maptool_ && maptool_->isVisible();
        showtoolbox(false);
        usemapobjtb_->setChecked(hadtoolbox);
    }
}

void QuibWindow::status(const QString &text)
{
    statusBar()->showMessage(text, 5000);
}

Document::Leave QuibWindow::askleave(Document &doc)
{
    return leaveprompt_(this, QStringLiteral("Save changes to %1?").arg(doc.name()));
}

void QuibWindow::updatelevelsmenu()
{
    struct Captions {
        const char *emodswitch, *emodswitch2;
    };
    static constexpr Captions captions[5] = {
        {"&Go to Map Pointers mode", "G&o to Map Sprites mode"},
        {"&Go to Map Editing mode", "G&o to Map Sprites mode"},
        {"&Go to Enemy Editing mode", "G&o to next area from that level"},
        {"&Go to Object Editing mode", "G&o to next area from that level"},
        {"&Go to Map Pointers mode", "G&o to Map Editing mode"},
    };
    enterlevelM_->setEnabled(ismapmode(state_.editmode));
    exitlevelM_->setEnabled(!ismapmode(state_.editmode));
    const Captions &c = captions[state_.editmode % 5];
    emodswitch_->setText(QString::fromLatin1(c.emodswitch));
    emodswitch2_->setText(QString::fromLatin1(c.emodswitch2));
    movestart_->setText(ismapmode(state_.editmode) ? QStringLiteral("&Move start point on map ...")
                                                   : QStringLiteral("Edit level &header ..."));

}

bool QuibWindow::save()
{
    QString error, saved;
    keptnote_.clear();
    if (!doc_.save(&error, &saved)) {
        if (error.isEmpty())
            status(QStringLiteral("Not saved"));
        else
            notsaved(this, error);
        return false;
    }
    if (romwatch_ && romwatch_->kept())
        saved += QStringLiteral(", over the other program's change");
    // The save's own message would hide that of the copy it made first.
    status(keptnote_.isEmpty() ? saved : keptnote_ + QStringLiteral(". ") + saved);
    keptnote_.clear();
    return true;
}

// Another program changed the ROM's file. Without unsaved edits it is read
// again; with them, the user chooses between reading it again and keeping
// the edits, which the next write then puts over the other program's change.
void QuibWindow::romchanged()
{
    if (intransition()) {
        QTimer::singleShot(100, this, &QuibWindow::romchanged);
        return;
    }
    const QString name = QFileInfo(state_.rom.path()).fileName();
    if (doc_.modified()) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("ROM changed on disk"),
                        QStringLiteral("Another program changed '%1'.\n\nReload it and drop your unsaved edits to %2, "
                                       "or keep them? If you keep them, saving writes the editor's copy of the ROM "
                                       "over the other program's change.")
                            .arg(name, doc_.name()),
                        QMessageBox::Discard | QMessageBox::Cancel, this);
        box.button(QMessageBox::Discard)->setText(QStringLiteral("&Reload"));
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("&Keep my edits"));
        box.setDefaultButton(QMessageBox::Cancel);
        if (box.exec() != QMessageBox::Discard) {
            romwatch_->keep();
            status(QStringLiteral("Kept your edits; saving will overwrite the change made to %1").arg(name));
            return;
        }
    }
    QString error;
    if (!state_.rom.reload(&error)) {
        QMessageBox::warning(this, QStringLiteral("ROM changed on disk"),
                             error + QStringLiteral("\n\nThe editor keeps the ROM as it read it before."));
        return;
    }
    forgetrom(state_.gfx);
    loadpal(state_.gfx, state_.rom);
    doc_.romreloaded();
    status(QStringLiteral("%1 was changed by another program and has been read again").arg(name));
}

void QuibWindow::movestart()
{
    if (!ismapmode(state_.editmode)) {
        editlevelheader();
        return;
    }
    MoveStartPnt dialog(state_.rom, state_.gfx, state_.map, state_.curworld, this);
    writing(dialog, QStringLiteral("start point"));
}

bool QuibWindow::writing(QDialog &dialog, const QString &what, const std::function<void()> &refresh)
{
    const std::vector<uint8_t> image = state_.rom.image();
    const bool ok = dialog.exec() == QDialog::Accepted;
    if (ok && refresh)
        refresh();
    doc_.romwritten(QStringLiteral("Edit ") + what, image, refresh);
    return ok;
}

void QuibWindow::editlevelheader()
{
    if (ismapmode(state_.editmode) || intransition())
        return;
    const LevelDocument before = state_.level.document();
    const std::vector<uint8_t> image = state_.rom.image();
    EditLvlHdr dialog(state_.level, state_.rom, state_.gfx, state_.names, state_.hdrofs, this);
    if (dialog.exec() == QDialog::Accepted)
        doc_.headerwritten(before, image);
}

void QuibWindow::enterlevelspec()
{
    if (intransition())
        return;
    Enterlevelspc dialog(state_.hdrofs, state_.names.objsetnames, initiallevelspec(state_.map, state_.level), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    keeptoolbox_ = true;
    doc_.enterarea(dialog.objpos(), dialog.enmpos(), dialog.objset());
    keeptoolbox_ = false;
}

void QuibWindow::editmapproperties()
{
    EditMapPr dialog(state_.rom, state_.gfx, state_.curworld, state_.names, this);
    writing(dialog, QStringLiteral("world map properties"), [this] {
        colormap(state_.gfx, state_.rom, state_.curworld);
        if (maptool_)
            maptool_->refresh();
    });
}

void QuibWindow::editmappalettes()
{
    EditMapPal dialog(state_.rom, state_.gfx, state_.curworld, ismapmode(state_.editmode) ? nullptr : &state_.level,
                      this, lvl_->zoom());
    writing(dialog, QStringLiteral("palettes"), [this] {
        // As the dialog's OK: read back, then recolour the map and the level.
        loadpal(state_.gfx, state_.rom);
        colormap(state_.gfx, state_.rom, state_.curworld);
        if (!ismapmode(state_.editmode))
            colorlvlgfx(state_.gfx, state_.level.lvlobjset, hdrfield(state_.level.lvlhdr, HdrField::LevelColours),
                        state_.level.graphicset());
        if (maptool_)
            maptool_->refresh();
    });
}

void QuibWindow::editstartingtime()
{
    EditStartTime dialog(state_.rom, this);
    writing(dialog, QStringLiteral("starting times"));
}

void QuibWindow::editstartingstatus()
{
    EditStatus dialog(state_.rom, this);
    writing(dialog, QStringLiteral("starting status"));
}

void QuibWindow::editlvlmusicset()
{
    EditLvlMusic dialog(state_.rom, state_.names, this);
    writing(dialog, QStringLiteral("music set"));
}

void QuibWindow::usemapobjtb()
{
    // The check mark has just been inverted by the menu. Inside a level the
    // command is disabled; should it fire all the same, it changes nothing.
    if (!ismapmode(state_.editmode)) {
        usemapobjtb_->setChecked(!usemapobjtb_->isChecked());
        return;
    }
    showtoolbox(usemapobjtb_->isChecked());
}

void QuibWindow::showtoolbox(bool show)
{
    if (show) {
        if (!maptool_) {
            maptool_ = new MapTool(state_.gfx, state_.tooltile, state_.toolaction, this, zoom_);
            connect(this, &QuibWindow::zoomchanged, maptool_, &MapTool::setzoom);
            connect(maptool_, &MapTool::closed, this, [this] { usemapobjtb_->setChecked(false); });
        }
        maptool_->show();
        placetoolbox();
    } else if (maptool_) {
        maptool_->disconnect(this);
        maptool_->close();
        maptool_ = nullptr;
    }
}

void QuibWindow::placetoolbox()
{
    if (!maptool_)
        return;
    const QRect frame = frameGeometry();
    const int screenwidth = screen() ? screen()->geometry().width() : 1920;
    const int left = placetoolboxleft(frame.left(), frame.width(), screenwidth, maptool_->frameGeometry().width(),
                                      maptool_->frameGeometry().left());
    maptool_->move(left, frame.top());
}

void QuibWindow::editpointer()
{
    if (state_.map.ptrcount() == 0)
        return;
    EditMapPntr dialog(state_.map.pointers[state_.map.selptr], state_.hdrofs, state_.names.objsetnames, this);
    if (dialog.exec() == QDialog::Accepted)
        doc_.setpointer(dialog.objset(), dialog.objpos(), dialog.enmpos());
}

namespace {

PointerInput pointerinput(const ViewMouse &m, bool toolbox)
{
    return {m.x, m.y, m.buttons, m.shiftonly, toolbox, m.ctrl};
}

} // namespace

void QuibWindow::lvlpressed(const ViewMouse &m)
{
    pointer_ = QPoint(m.x, m.y);
    if (!intransition())
        doc_.press(pointerinput(m, maptool_ && maptool_->isVisible()));
}

void QuibWindow::lvldragged(const ViewMouse &m)
{
    pointer_ = QPoint(m.x, m.y);
    if (!intransition())
        doc_.drag(pointerinput(m, maptool_ && maptool_->isVisible()));
}

void QuibWindow::emodswitch()
{
    static constexpr uint8_t next[5] = {ModeMapPointers, ModeMapEditing, ModeEnemyEditing, ModeObjectEditing,
                                        ModeMapPointers};
    doc_.setmode(next[state_.editmode % 5]);
}

void QuibWindow::emodswitch2()
{
    switch (state_.editmode) {
    case ModeMapEditing:
    case ModeMapPointers: doc_.setmode(ModeMapSprites); break;
    case ModeMapSprites: doc_.setmode(ModeMapEditing); break;
    default: nextareaM(); break;
    }
}

void QuibWindow::nextareaM()
{
    if (doc_.gotonextarea() == 0)
        cantgothere(this);
}

bool QuibWindow::intransition() const
{
    return transition_->isActive();
}

void QuibWindow::enterlevelM()
{
    if (!ismapmode(state_.editmode) || intransition())
        return;
    if (!canenterlevel(state_)) {
        if (state_.map.ptrcount() > 0)
            status(QStringLiteral("This pointer leads into no level: its object set is %1.")
                       .arg(state_.map.pointers[state_.map.selptr].objset & 15));
        return;
    }
    // Ask about the map's edits before the bars close, not after.
    if (!doc_.mayleave())
        return;
    // The closing bars: a short animation on the map view before the level,
    // one frame a timer tick, the event loop running in between.
    transitionstart_ = QDateTime::currentMSecsSinceEpoch();
    transition_->start();
    transitionstep();
}

void QuibWindow::transitionstep()
{
    const int e = int(QDateTime::currentMSecsSinceEpoch() - transitionstart_);
    drawtransition(state_.lvl, std::min(e, transitionms));
    lvl_->update();
    if (e < transitionms)
        return;
    transition_->stop();
    // The edits were saved or dropped before the bars closed.
    doc_.enterlevel(true);
    // Keys typed meanwhile, in order; one of them may start the bars again.
    while (!pendingkeys_.empty() && !intransition()) {
        const PendingKey k = pendingkeys_.front();
        pendingkeys_.pop_front();
        editkey(k.key, k.mods, k.repeat);
    }
}

void QuibWindow::exitlevelM()
{
    doc_.exitlevel();
}

namespace {

// Qt's key code with the keypad flag: keypad 6 and L are different keys to hold.
int heldcode(const QKeyEvent &event)
{
    return event.key() | int(event.modifiers() & Qt::KeypadModifier);
}

} // namespace

void QuibWindow::keyPressEvent(QKeyEvent *event)
{
    // A key that an open menu or the menu bar passes on (one the menu has no
    // use for) is not an editing key: the menu has the keyboard.
    if (QApplication::activePopupWidget() || menuBar()->hasFocus()) {
        event->ignore();
        return;
    }
    const std::optional<Key> key = keyfromevent(*event);
    if (!key) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    const int code = heldcode(*event);
    const bool repeat = event->isAutoRepeat() || code == heldkey_;
    heldkey_ = code;
    if (intransition()) {
        pendingkeys_.push_back({*key, modsfromevent(*event), repeat});
        return;
    }
    editkey(*key, modsfromevent(*event), repeat);
}

void QuibWindow::keyReleaseEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat() && heldcode(*event) == heldkey_)
        heldkey_ = 0;
    QMainWindow::keyReleaseEvent(event);
}

void QuibWindow::focusOutEvent(QFocusEvent *event)
{
    heldkey_ = 0; // its release goes elsewhere
    QMainWindow::focusOutEvent(event);
}

void QuibWindow::editkey(Key key, KeyMods mods, bool repeat)
{
    const KeyOutcome out = doc_.key(key, mods, repeat);
    if (out.editpointer)
        editpointer();
    if (out.enterlevel)
        enterlevelM();
    if (out.cantenter)
        status(QStringLiteral("This pointer leads into no level: its object set is %1.")
                   .arg(state_.map.pointers[state_.map.selptr].objset & 15));
    if (out.nolink)
        cantgothere(this);
}

void QuibWindow::showareapointers()
{
    if (ismapmode(state_.editmode) || intransition())
        return;
    const std::optional<RomMap> map = readrommap(this, state_);
    if (!map)
        return;
    const Level &l = state_.level;
    // Object set 0 reads no enemies; set 7 reads its fixed stream, kept as lvlenmpos.
    AreaPointers dialog(*map, l.lvlobjpos, l.lvlobjset & 15, (l.lvlobjset & 15) == 0 ? -1 : l.lvlenmpos, this);
    dialog.exec();
}

void QuibWindow::showromspace()
{
    if (const std::optional<RomMap> map = readrommap(this, state_)) {
        RomSpace dialog(*map, this);
        dialog.exec();
    }
}

// The grid lies over the blocks of the map or the area the view shows.
void QuibWindow::showgrid()
{
    const QRect shown = shownblocks(state_);
    const QRect picture(0, 0, 16 * shown.width(), 16 * shown.height());
    lvl_->setgrid(grid_->isChecked() ? picture : QRect());
}

// The wheel's blocks beyond the view area's own scroll bars scroll the map or
// the level as the arrow keys do: across on the map, both ways in a level.
void QuibWindow::wheelscroll(int dx, int dy)
{
    if (intransition())
        return;
    const bool level = !ismapmode(state_.editmode);
    for (int i = 0; i < std::abs(dx); ++i)
        doc_.key(dx > 0 ? Key::Right : Key::Left, KeyMods{});
    for (int i = 0; level && i < std::abs(dy); ++i)
        doc_.key(dy > 0 ? Key::Down : Key::Up, KeyMods{});
}

void QuibWindow::showkeyreference()
{
    KeyReference::show(this, state_.editmode);
}

void QuibWindow::closeEvent(QCloseEvent *event)
{
    if (!quitting_ && !doc_.mayleave()) {
        event->ignore();
        return;
    }
    if (!quitting_) {
        QString error;
        // A window at its first size keeps no size of its own.
        const bool maximized = isMaximized() || isFullScreen();
        const QSize normal = maximized ? normalGeometry().size() : size();
        WindowPlace place;
        if (normal.isValid() && !normal.isEmpty() && normal != fitsize_) {
            place.width = normal.width();
            place.height = normal.height();
        }
        place.maximized = maximized;
        if (!writesettings(settingsfile(), state_, &error) || !writezoom(settingsfile(), zoom_, &error)
            || !writegrid(settingsfile(), grid_->isChecked(), &error)
            || !writewindowplace(settingsfile(), place, &error)
            || !writeoverview(settingsfile(), overviewaction_->isChecked(), &error))
            settingnotsaved(error);
    }
    event->accept();
}

void QuibWindow::Quit()
{
    if (!doc_.mayleave())
        return;
    quitting_ = true;
    close();
    QApplication::quit();
}

void QuibWindow::about()
{
    splash_->showabout();
}

void QuibWindow::settingnotsaved(const QString &error)
{
    QMessageBox::warning(this, QStringLiteral("Settings not saved"),
                         QStringLiteral("Can't write the settings to '%1': %2").arg(settingsfile(), error));
}

void QuibWindow::createpatch()
{
    // The patch is made from the file as saved.
    if (!doc_.mayleave())
        return;
    const QString done = createpatchflow(this, state_.rom.path(), datadir_, filepicker_);
    if (!done.isEmpty())
        status(done);
}

// The result opens in an editor of its own, as if given on the command line:
// this one keeps its ROM and its undo history.
void QuibWindow::applypatch()
{
    const QString written = applypatchflow(this, state_.rom.path(), filepicker_);
    if (written.isEmpty())
        return;
    status(QStringLiteral("Patched ROM written to %1").arg(QDir::toNativeSeparators(written)));
    if (QMessageBox::question(this, QStringLiteral("Patch applied"),
                              QStringLiteral("The patched ROM was written to %1.\n\nOpen it?")
                                  .arg(QDir::toNativeSeparators(written)))
        != QMessageBox::Yes)
        return;
    if (!QProcess::startDetached(QCoreApplication::applicationFilePath(), {QFileInfo(written).absoluteFilePath()}))
        QMessageBox::warning(this, QStringLiteral("Can't open file!"),
                             QStringLiteral("Can't start another editor for %1.").arg(written));
}

bool QuibWindow::editemulator()
{
    EmulatorCommand dialog(emulator_, this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    emulator_ = dialog.command();
    QString error;
    if (!writeemulator(settingsfile(), emulator_, &error))
        settingnotsaved(error);
    return true;
}

void QuibWindow::playrom()
{
    // The emulator reads the file as saved.
    if (!doc_.mayleave())
        return;
    if (emulator_.isEmpty() && (!editemulator() || emulator_.isEmpty()))
        return;
    QString error;
    if (!startemulator(emulator_, QFileInfo(state_.rom.path()).absoluteFilePath(), &error)) {
        QMessageBox::warning(this, QStringLiteral("Can't play the ROM"), error);
        return;
    }
    status(QStringLiteral("Playing %1").arg(QFileInfo(state_.rom.path()).fileName()));
}

// Before the first write to the ROM file: its copy as it is now, once. A
// copy that can't be made refuses the write, so the edits stay in the editor.
bool QuibWindow::keeporiginal(const QString &rompath, QString *error)
{
    if (originalchecked_ || !keeporiginal_->isChecked())
        return true;
    const KeptOriginal kept = quib::keeporiginal(rompath, datadir_);
    if (kept.outcome == KeptOriginal::Outcome::Failed) {
        if (error)
            *error = QStringLiteral("Can't keep a copy of the original ROM before writing to it. %1 (Options > Keep "
                                    "a copy of the original ROM writes without one.)")
                         .arg(kept.error);
        return false;
    }
    originalchecked_ = true;
    if (kept.outcome == KeptOriginal::Outcome::Made) {
        keptnote_ = keptmessage(kept);
        status(keptnote_);
    }
    return true;
}

void QuibWindow::togglekeeporiginal()
{
    QString error;
    if (!writekeeporiginal(settingsfile(), keeporiginal_->isChecked(), &error))
        settingnotsaved(error);
}

void QuibWindow::toggleviewmapsprites()
{
    state_.viewmapsprites = !state_.viewmapsprites;
    viewmapsprites_->setChecked(state_.viewmapsprites);
    if (ismapmode(state_.editmode))
        doc_.viewchanged();
}

void QuibWindow::toggleviewlvlbg()
{
    state_.viewlvlbg = viewlvlbg_->isChecked();
    // Redraw only what the current mode shows.
    if (!ismapmode(state_.editmode))
        doc_.viewchanged();
}

} // namespace quib
