#pragma once
// The main window `quib`: owns the editor state, brings the editor up and
// takes it down, and turns menu commands, mouse and keys into calls on the
// core, then shows what the core drew.
#include "editor/editorstate.h"

#include <QMainWindow>
#include <array>
#include <functional>

class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace quib {

class LvlView;
class Splash;

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

    // Start-up. Returns false when the program should end (prompt cancelled
    // or the ROM file unusable); the caller then exits without showing the
    // window.
    bool startup();

    EditorState &state() { return state_; }
    Splash *splash() const { return splash_; }
    QLabel *t(int i) const { return t_[size_t(i)]; }
    LvlView *lvl() const { return lvl_; }

    // Shows the core's drawing: the labels, the title and the surface.
    void showview();

    QString settingsfile() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildmenus();
    void redraw();
    void Quit();
    void about();
    void toggleviewmapsprites();
    void toggleviewlvlbg();

    EditorState state_;
    RomPrompt romprompt_;
    Splash *splash_ = nullptr;
    LvlView *lvl_ = nullptr;
    std::array<QLabel *, 4> t_{};
    QPushButton *save_ = nullptr;

    QMenu *levels_ = nullptr;
    QAction *quit_ = nullptr;
    QAction *viewmapsprites_ = nullptr;
    QAction *viewlvlbg_ = nullptr;
    QAction *about_ = nullptr;

    bool quitting_ = false;
};

} // namespace quib
