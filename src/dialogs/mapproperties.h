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

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollBar;
class QTimer;

namespace quib {

struct Graphics;
struct NameTables;
class LvlView;
class Rom;

class EditMapPr : public QDialog {
    Q_OBJECT
public:
    // Reads and writes the tables of `rom`; OK recolours the map pictures of
    // `gfx` for world `world`. The music lists show `names`.
    EditMapPr(Rom &rom, Graphics &gfx, int world, const NameTables &names, QWidget *parent = nullptr);

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
    void fillmusiclists(const NameTables &names);
    void setvalues(int entry);
    void choosepalette(int value);
    void frametimeedited(int k, const QString &text);
    void musicchosen(int which, int row);
    void animate();
    void writeandclose();

    Rom &rom_;
    Graphics &gfx_;
    int world_;
    MapProps props_;
    bool setting_ = false; // setvalues is filling the controls
    Surface anim_;
    QElapsedTimer started_;

    QScrollBar *entryBar_;
    QScrollBar *paletteBar_;
    QLabel *entryLabel_;
    QLabel *paletteLabel_;
    std::array<QLineEdit *, 4> frameTimeEdits_{};
    std::array<QListWidget *, 2> musicLists_{}; // entering the world, after an area
    LvlView *animview_;
    QTimer *animTimer_;
    QDialogButtonBox *buttons_;
};

} // namespace quib
