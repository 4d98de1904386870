#pragma once
// The main window `quib`: owns the editor state, brings the editor up and
// takes it down, and turns menu commands, mouse and keys into calls on the
// core, then shows what the core drew.
#include "editor/document.h"
#include "editor/editorstate.h"
#include "ui/patchactions.h"
#include "widgets/zoom.h"
#include "dialogs/maptoolbox.h"

#include <QMainWindow>
#include <QPoint>
#include <QPointer>
#include <array>
#include <deque>
#include <functional>
#include <optional>

class QAction;
class QDialog;
class QGridLayout;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;

namespace quib {

class ItemActions;
class LvlView;
class Overview;
class RomWatch;
class ViewArea;
class Splash;
struct ViewMouse;

class QuibWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit QuibWindow(QWidget *parent = nullptr);
    ~QuibWindow() override;

    // The ROM prompt; returns the answer, empty when cancelled. Replaceable
    // so tests can answer it.
    using RomPrompt = std::function<QString(QWidget *parent, const QString &title, const QString &label,
                                            const QString &initial)>;
    void setromprompt(RomPrompt prompt) { romprompt_ = std::move(prompt); }

    // Start-up. Opens `rompath` when it is given (from the command line),
    // else asks for the ROM. Returns false when the program should end
    // (prompt cancelled or the ROM file unusable); the caller then exits
    // without showing the window.
    bool startup(const QString &rompath = QString());

    // The zoom of the view and the toolbox, 1..4 (default 2), kept in the
    // settings file. Windows opened later follow zoomchanged.
    int zoom() const { return zoom_; }
    void setzoom(int zoom);
    // The same, keeping the block at `at` (pixels of the view area's
    // viewport) where it is when the window keeps its size. A window at the
    // size that shows 16 x 15 blocks takes the size of the new zoom instead.
    void zoomat(int zoom, const QPoint &at);

    // What to do with unsaved edits before they would be dropped, asked with
    // "Save changes to …?". Replaceable so tests can answer it.
    using LeavePrompt = std::function<Document::Leave(QWidget *parent, const QString &question)>;
    void setleaveprompt(LeavePrompt prompt) { leaveprompt_ = std::move(prompt); }

    // The file dialogs of the File menu. Replaceable so tests can answer them.
    void setfilepicker(FilePicker pick) { filepicker_ = std::move(pick); }
    // Where a kept original goes when the ROM's folder takes no new file.
    void setdatadir(const QString &dir) { datadir_ = dir; }

    EditorState &state() { return state_; }
    Document &document() { return doc_; }
    Splash *splash() const { return splash_; }
    QLabel *t(int i) const { return t_[size_t(i)]; }
    LvlView *lvl() const { return lvl_; }
    Overview *overview() const { return overview_; }
    MapTool *maptool() const { return maptool_; }
    QPushButton *savebutton() const { return save_; }

    // Draws the view for the current mode and shows it with the labels, the
    // title, the menus' states and the status bar: the one redraw, run once
    // for every change the document reports.
    void redraw();
    // Shows what is drawn without drawing (after the transition's frames).
    void showview();
    QString settingsfile() const;

    // The per-mode captions and enabled states, set each time Levels opens.
    void updatelevelsmenu();

    // Save, chosen by mode. Reports a failed write and returns false.
    bool save();

    // True while the closing bars of entering a level play.
    bool intransition() const;

signals:
    void zoomchanged(int zoom);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void buildmenus();
    void buildviewmenu();
    void Quit();
    Document::Leave askleave(Document &doc);
    void changed(unsigned what);
    void status(const QString &text);
    void about();
    void createpatch();
    void applypatch();
    void playrom();
    bool editemulator();
    void togglekeeporiginal();
    bool keeporiginal(const QString &rompath, QString *error);
    void settingnotsaved(const QString &error);
    void emodswitch();
    void emodswitch2();
    void movestart();
    // Runs a dialog that writes the ROM when confirmed. What it wrote becomes
    // the undo step "Edit <what>"; `refresh` reads again what was decoded
    // from those bytes, after the OK and after each undo and redo.
    bool writing(QDialog &dialog, const QString &what, const std::function<void()> &refresh = {});
    void toggleviewmapsprites();
    void toggleviewlvlbg();
    void usemapobjtb();
    void showtoolbox(bool show);
    void placetoolbox();
    void editmapproperties();
    void editmappalettes();
    void editstartingtime();
    void editstartingstatus();
    void editlvlmusicset();
    void editpointer();
    void enterlevelM();
    void enterlevelspec();
    void editlevelheader();
    void exitlevelM();
    void nextareaM();
    void showkeyreference();
    void showareapointers();
    void showromspace();
    void showgrid();
    void wheelscroll(int dx, int dy);
    // As many whole blocks as the view area holds at the zoom, 16 x 15 at
    // the least; true when the view's size changed.
    bool fitview();
    void keepinview();
    bool fitted() const;
    void showoverview();
    void refreshoverview();
    QSize overviewblocks() const;
    int overviewshift(QSize blocks) const;
    void overviewscroll(int col, int row);
    void transitionstep();
    // An editing key pressed, `repeat` when it is held down.
    void editkey(Key key, KeyMods mods, bool repeat);
    void modechanged(uint8_t from);
    void lvlpressed(const ViewMouse &m);
    void lvldragged(const ViewMouse &m);
    void showpointer(); // what is under the mouse pointer, in the status bar
    void worldchanged();
    void romchanged();

    EditorState state_;
    Document doc_{state_};
    RomPrompt romprompt_;
    LeavePrompt leaveprompt_;
    FilePicker filepicker_;
    QString datadir_;
    QString emulator_; // the play test's command line, empty when none is set
    bool originalchecked_ = false; // the ROM's original was kept, or found kept, this session
    QString keptnote_;             // "Original kept as …" until a save's message shows it
    Splash *splash_ = nullptr;
    LvlView *lvl_ = nullptr;
    ViewArea *area_ = nullptr;
    Overview *overview_ = nullptr;
    QGridLayout *centre_ = nullptr;
    QAction *overviewaction_ = nullptr;
    bool overviewdirty_ = true;
    QTimer *overviewtimer_ = nullptr;
    QString overviewof_; // what the overview's picture shows
    QSize fitsize_;      // the window's size that shows 16 x 15 blocks at the zoom
    std::array<QLabel *, 4> t_{};
    QPushButton *save_ = nullptr;
    QPointer<MapTool> maptool_;
    RomWatch *romwatch_ = nullptr;
    ItemActions *itemactions_ = nullptr;

    QMenu *levels_ = nullptr;
    QAction *msave_ = nullptr;
    QAction *emodswitch_ = nullptr;
    QAction *emodswitch2_ = nullptr;
    QAction *movestart_ = nullptr;
    QAction *quit_ = nullptr;
    QAction *enterlevelM_ = nullptr;
    QAction *enterlevelspec_ = nullptr;
    QAction *exitlevelM_ = nullptr;
    QAction *areapointers_ = nullptr;
    QAction *exportarea_ = nullptr;
    QAction *importarea_ = nullptr;
    QAction *viewmapsprites_ = nullptr;
    QAction *viewlvlbg_ = nullptr;
    QAction *usemapobjtb_ = nullptr;
    QAction *keeporiginal_ = nullptr;
    QAction *editmapproperties_ = nullptr;
    QAction *about_ = nullptr;
    QAction *undo_ = nullptr;
    QAction *redo_ = nullptr;
    QAction *keyreference_ = nullptr;
    QLabel *modelabel_ = nullptr;
    QLabel *tilelabel_ = nullptr;
    QLabel *pointerlabel_ = nullptr;
    std::optional<QPoint> pointer_; // the mouse pointer on the view, in surface pixels
    QAction *zoomin_ = nullptr;
    QAction *zoomout_ = nullptr;
    QAction *actualsize_ = nullptr;
    QAction *grid_ = nullptr;
    int zoom_ = defaultzoom;

    QTimer *transition_ = nullptr; // the closing bars, one frame a tick
    qint64 transitionstart_ = 0;
    // Keys pressed while the bars close, handled in order once the level is in.
    struct PendingKey {
        Key key;
        KeyMods mods;
        bool repeat;
    };
    std::deque<PendingKey> pendingkeys_;
    // The key held down (Qt's key code with its keypad flag), 0 when none.
    // Some systems send a held key's repeats as plain presses with no release
    // in between; a press of the held key is a repeat all the same.
    int heldkey_ = 0;
    uint8_t lastmode_ = ModeMapEditing;
    bool keeptoolbox_ = false; // entering by offsets leaves the toolbox as it is
    bool quitting_ = false;
};

} // namespace quib
