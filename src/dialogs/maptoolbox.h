#pragma once
// The map objects toolbox: all 256 map tiles of the current world in one
// grid; a click chooses the tile that map editing puts down, and two buttons
// choose between drawing one square and replacing every square like it.
#include "graphics/surface.h"

#include <QWidget>

class QPushButton;

namespace quib {

struct Graphics;
class LvlView;

class MapTool : public QWidget {
    Q_OBJECT
public:
    // Shows the map tiles of `gfx`, `zoom` times enlarged, as big as on the
    // map; a click sets `tile`, the buttons set `action` (0 draw one square,
    // 1 replace all). Both outlive the toolbox.
    MapTool(const Graphics &gfx, uint8_t &tile, uint8_t &action, QWidget *parent = nullptr, int zoom = 1);

    // Copies the coloured map tiles again (a new world), without the
    // selection boxes.
    void refresh();
    const Surface &picture() const { return picture_; }
    QPushButton *drawbutton() const { return draw_; }
    QPushButton *replacebutton() const { return replace_; }

    // Picks the tile under a point of the picture (in its own pixels,
    // whatever the zoom), as a click does.
    void pick(int x, int y);

    // The width of the toolbox at zoom 1.
    static constexpr int boxwidth = 262;

public slots:
    void setzoom(int zoom);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    // Keys pressed while the toolbox has the focus belong to the editor.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setaction(int action);

    const Graphics &gfx_;
    uint8_t &tile_;
    uint8_t &action_;
    Surface picture_{256, 256};
    LvlView *map_;
    QPushButton *draw_;
    QPushButton *replace_;
};

// Places the toolbox beside the main window: against its left side when
// there is room, else against its right side when that fits on the screen,
// else where it was.
int placetoolboxleft(int mainleft, int mainwidth, int screenwidth, int toolwidth, int currentleft);

} // namespace quib
