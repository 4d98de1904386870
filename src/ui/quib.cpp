#include "ui/quib.h"

#include "editor/romfile.h"
#include "editor/settings.h"
#include "editor/startup.h"
#include "editor/widgets/splash.h"
#include "level/drawlevel.h"
#include "level/navigate.h"
#include "level/savelevel.h"
#include "ui/keys.h"
#include "ui/lvlview.h"
#include "ui/zoom.h"
#include "worldmap/drawmap.h"
#include "worldmap/mapedit.h"
#include "worldmap/savemap.h"
#include "worldmap/widgets/editmappntr.h"
#include "worldmap/widgets/editmappr.h"
#include "worldmap/widgets/maptool.h"
#include "worldmap/widgets/movestartpnt.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QThread>
#include <QKeyEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
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

// An area that links nowhere.
void cantgothere(QWidget *parent)
{
    QMessageBox::warning(parent, QStringLiteral("Can't go there!"), QStringLiteral("No room is pointed from that area."));
}

} // namespace

QuibWindow::QuibWindow(QWidget *parent) : QMainWindow(parent), romprompt_(askwithdialog)
{
    setObjectName(QStringLiteral("quib"));
    setWindowTitle(QStringLiteral("Quib editor"));

    // The view and its labels sit together in the middle of the window; the
    // space a larger window adds goes around them.
    auto *central = new QWidget(this);
    auto *outer = new QVBoxLayout(central);
    auto *row = new QHBoxLayout;
    lvl_ = new LvlView(state_.lvl, central, zoom_);
    row->addStretch(1);
    row->addWidget(new ViewArea(lvl_, central));

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
    row->addWidget(side);
    row->addStretch(1);
    outer->addStretch(1);
    outer->addLayout(row);
    outer->addStretch(1);
    setCentralWidget(central);
    installEventFilter(new KeypadKeys(this));

    connect(lvl_, &LvlView::pressed, this, &QuibWindow::lvlpressed);
    connect(lvl_, &LvlView::dragged, this, &QuibWindow::lvldragged);
    setFocusPolicy(Qt::StrongFocus);

    buildmenus();
    splash_ = new Splash(this);
}

QuibWindow::~QuibWindow() = default;

void QuibWindow::buildmenus()
{
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
    exitlevelM_ = levels_->addAction(QStringLiteral("E&xit level"), QKeySequence(Qt::CTRL | Qt::Key_X), this,
                                     &QuibWindow::exitlevelM);
    exitlevelM_->setObjectName(QStringLiteral("exitlevelM"));
    levels_->addSeparator()->setObjectName(QStringLiteral("sep2"));
    quit_ = levels_->addAction(QStringLiteral("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), this, &QuibWindow::Quit);
    quit_->setObjectName(QStringLiteral("Quit"));

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

    buildviewmenu();

    QMenu *other = menuBar()->addMenu(QStringLiteral("O&ther"));
    other->setObjectName(QStringLiteral("Other"));
    editmapproperties_ = other->addAction(QStringLiteral("Edit &world map properties ..."),
                                          QKeySequence(Qt::CTRL | Qt::Key_W), this, &QuibWindow::editmapproperties);
    editmapproperties_->setObjectName(QStringLiteral("editmapproperties"));

    about_ = menuBar()->addAction(QStringLiteral("&About"), this, &QuibWindow::about);
    about_->setObjectName(QStringLiteral("about"));
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
}

void QuibWindow::setzoom(int zoom)
{
    zoom = clampzoom(zoom);
    zoomin_->setEnabled(zoom < maxzoom);
    zoomout_->setEnabled(zoom > minzoom);
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    lvl_->setzoom(zoom);
    emit zoomchanged(zoom);
    fitwindow(this);
    placetoolbox();
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
    state_.romfile = answer;

    // 3. The splash window with its progress bar.
    state_.loadprogress = 0;
    splash_->version()->setText(versiontext());
    splash_->progress()->show();
    splash_->show();
    splash_->repaint();
    splash_->progress()->showprogress(state_.loadprogress);

    // 4. The ROM must exist and hold something. Nothing is created or deleted.
    if (!romusable(state_.romfile)) {
        splash_->hide();
        QMessageBox::critical(nullptr, QString::fromLatin1(cantopentitle), cantopenmessage(state_.romfile));
        return false;
    }
    const QString sizewarning = romsizewarning(state_.romfile, QFileInfo(state_.romfile).size());
    if (!sizewarning.isEmpty())
        QMessageBox::warning(splash_, QStringLiteral("Unexpected ROM size"), sizewarning);

    // 5.-8. Options, tables and pictures, each behind its progress step.
    runstartup(state_, settings, [this](int32_t value) { splash_->progress()->showprogress(value); });
    viewmapsprites_->setChecked(state_.viewmapsprites);
    viewlvlbg_->setChecked(state_.viewlvlbg);
    setzoom(readzoom(settingsfile()));
    fitwindow(this);
    showview();

    // 9. Idle in map editing mode.
    splash_->progress()->hide();
    splash_->hide();
    return true;
}

void QuibWindow::showview()
{
    for (int i = 0; i < 4; ++i) {
        // The texts break lines with CR+LF, LF+CR or a lone CR; a label wants LF.
        QString text = state_.t[size_t(i)];
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
            .replace(QStringLiteral("\n\r"), QStringLiteral("\n"))
            .replace(QLatin1Char('\r'), QLatin1Char('\n'));
        t_[size_t(i)]->setText(text);
    }
    if (!state_.title.isEmpty())
        setWindowTitle(state_.title);
    // Enter and Exit level follow the mode, so their shortcuts always work.
    enterlevelM_->setEnabled(ismapmode(state_.editmode));
    exitlevelM_->setEnabled(!ismapmode(state_.editmode));
    lvl_->update();
}

void QuibWindow::redraw()
{
    if (ismapmode(state_.editmode))
        drawmap(state_);
    else
        drawlevel(state_);
    showview();
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
    // The level header dialog is not there yet: inside a level the item is greyed.
    movestart_->setEnabled(ismapmode(state_.editmode));
}

bool QuibWindow::save()
{
    QString error;
    bool ok = true;
    if (ismapmode(state_.editmode)) {
        ok = savemapmodes(state_, &error);
        drawmap(state_);
    } else {
        ok = savelevelmodes(state_, &error);
    }
    showview();
    if (!ok)
        QMessageBox::warning(this, QStringLiteral("Not saved"),
                             error + QStringLiteral("\n\nYour edits are kept in the editor; nothing was written."));
    return ok;
}

void QuibWindow::movestart()
{
    if (!ismapmode(state_.editmode))
        return;
    MoveStartPnt dialog(state_, this);
    dialog.exec();
}

void QuibWindow::editmapproperties()
{
    EditMapPr dialog(state_, this);
    if (dialog.exec() == QDialog::Accepted) {
        if (maptool_)
            maptool_->refresh();
        redraw();
    }
}

void QuibWindow::usemapobjtb()
{
    // The check mark has just been inverted by the menu.
    if (!ismapmode(state_.editmode)) {
        QMessageBox::warning(this, QStringLiteral(" "), QStringLiteral("This can't be used when inside a level."));
        return;
    }
    showtoolbox(usemapobjtb_->isChecked());
}

void QuibWindow::showtoolbox(bool show)
{
    if (show) {
        if (!maptool_) {
            maptool_ = new MapTool(state_, this, zoom_);
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
    if (state_.map.ptrcount == 0)
        return;
    EditMapPntr dialog(state_, this);
    dialog.exec();
}

void QuibWindow::worldchanged()
{
    if (maptool_)
        maptool_->refresh();
}

void QuibWindow::lvlpressed(const ViewMouse &m)
{
    if (!ismapmode(state_.editmode))
        return;
    MapMouse mm{m.x, m.y, m.buttons, m.shiftonly, maptool_ && maptool_->isVisible()};
    if (mappress(state_, mm))
        showview();
}

void QuibWindow::lvldragged(const ViewMouse &m)
{
    if (!ismapmode(state_.editmode))
        return;
    MapMouse mm{m.x, m.y, m.buttons, m.shiftonly, maptool_ && maptool_->isVisible()};
    mapdrag(state_, mm);
    showview();
}

void QuibWindow::emodswitch()
{
    switch (state_.editmode) {
    case ModeMapEditing: state_.editmode = ModeMapPointers; break;
    case ModeMapPointers: state_.editmode = ModeMapEditing; break;
    case ModeMapSprites: state_.editmode = ModeMapPointers; break;
    case ModeObjectEditing:
        state_.editmode = ModeEnemyEditing;
        showenemy(state_);
        break;
    case ModeEnemyEditing:
        state_.editmode = ModeObjectEditing;
        showobj(state_);
        break;
    default: return;
    }
    redraw();
}

void QuibWindow::emodswitch2()
{
    switch (state_.editmode) {
    case ModeMapEditing:
    case ModeMapPointers: state_.editmode = ModeMapSprites; break;
    case ModeMapSprites: state_.editmode = ModeMapEditing; break;
    case ModeObjectEditing:
    case ModeEnemyEditing:
        nextareaM();
        return;
    default: return;
    }
    redraw();
}

void QuibWindow::nextareaM()
{
    if (!nextarea(state_)) {
        cantgothere(this);
        return;
    }
    if (state_.editmode == ModeObjectEditing)
        showobj(state_);
    else
        showenemy(state_);
    redraw();
}

void QuibWindow::enterlevelM()
{
    if (!ismapmode(state_.editmode) || !canenterlevel(state_))
        return;
    // The closing bars: a short animation on the map view before the level.
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const int e = int(clock.elapsed());
        drawtransition(state_.lvl, e);
        lvl_->repaint();
        if (e >= transitionms)
            break;
        QThread::msleep(15);
    }
    enterlevel(state_);
    // The toolbox closes inside a level and comes back when it is left.
    const bool hadtoolbox = maptool_ && maptool_->isVisible();
    showtoolbox(false);
    usemapobjtb_->setChecked(hadtoolbox);
    showview();
}

void QuibWindow::exitlevelM()
{
    if (ismapmode(state_.editmode))
        return;
    exitlevel(state_);
    leftlevel();
}

void QuibWindow::leftlevel()
{
    if (usemapobjtb_->isChecked())
        showtoolbox(true);
    showview();
}

void QuibWindow::keyPressEvent(QKeyEvent *event)
{
    const std::optional<Key> key = keyfromevent(*event);
    if (!key) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    const int world = state_.curworld;
    const KeyOutcome out = handlekey(state_, *key, modsfromevent(*event));
    if (state_.curworld != world)
        worldchanged();
    if (out.editpointer) {
        editpointer();
        drawmap(state_);
    }
    if (out.enterlevel) {
        enterlevelM();
        return;
    }
    if (out.nolink)
        cantgothere(this);
    if (out.exitedlevel) {
        leftlevel();
        return;
    }
    showview();
}

void QuibWindow::closeEvent(QCloseEvent *event)
{
    if (!quitting_) {
        QString error;
        if (!writesettings(settingsfile(), state_, &error) || !writezoom(settingsfile(), zoom_, &error))
            QMessageBox::warning(this, QStringLiteral("Settings not saved"),
                                 QStringLiteral("Can't write the settings to '%1': %2").arg(settingsfile(), error));
    }
    event->accept();
}

void QuibWindow::Quit()
{
    quitting_ = true;
    close();
    QApplication::quit();
}

void QuibWindow::about()
{
    splash_->showabout();
}

void QuibWindow::toggleviewmapsprites()
{
    state_.viewmapsprites = !state_.viewmapsprites;
    viewmapsprites_->setChecked(state_.viewmapsprites);
    if (ismapmode(state_.editmode))
        redraw();
}

void QuibWindow::toggleviewlvlbg()
{
    state_.viewlvlbg = viewlvlbg_->isChecked();
    // Redraw only what the current mode shows.
    if (!ismapmode(state_.editmode))
        redraw();
}

} // namespace quib
