#pragma once
// "Edit world map properties": per entry (the worlds first) the map's colour
// group, the four map animation frame times with a running preview, and the
// two musics. Every table is read whole when the dialog opens and written
// whole by OK, which then recolours and redraws the map; Cancel writes nothing.
#include "graphics/surface.h"
#include "worldmap/mapprops.h"

#include <QDialog>
#include <QElapsedTimer>
#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QScrollBar;
class QTimer;

namespace quib {

struct EditorState;
class LvlView;

class EditMapPr : public QDialog {
    Q_OBJECT
public:
    EditMapPr(EditorState &state, QWidget *parent = nullptr);

    // The dialog's copy of the tables, as edited so far.
    const MapProps &props() const { return props_; }
    int entry() const;

    // Draws the preview frame for `ms` milliseconds after the animation
    // started (the timer passes the real elapsed time).
    void previewstep(int64_t ms);
    const Surface &animsurface() const { return anim_; }

    // The selector reaches every entry of the tables; worlds 1..9 are the
    // first nine.
    static constexpr int lastentry = 256;

private:
    void dolistboxes();
    void setvalues(int entry);
    void HScroll1_Change(int index, int value);
    void s_Change(int k, const QString &text);
    void List_Click(int which, int row);
    void Timer1_Timer();
    void writeandclose();

    EditorState &state_;
    MapProps props_;
    bool setting_ = false; // setvalues is filling the controls
    Surface anim_;
    QElapsedTimer started_;

    std::array<QScrollBar *, 2> hscroll1_{};
    QLabel *t0_;
    QLabel *t2_;
    std::array<QLineEdit *, 4> s_{};
    std::array<QListWidget *, 2> list_{};
    LvlView *animview_;
    QTimer *timer1_;
};

} // namespace quib
