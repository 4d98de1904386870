#pragma once
// "Edit color palettes": the level and enemy colour groups of every object
// set. The user picks one of the 64 NES colours and clicks it into cells of
// the shown groups. Edits go straight into the palettes in memory, so
// switching sets and groups keeps them; OK writes every set to the ROM and
// recolours the view, Cancel reads the palettes back from the ROM.
#include "graphics/surface.h"

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QListWidget;
class QScrollBar;

namespace quib {

struct Graphics;
struct Level;
class Rom;
struct ViewMouse;
class LvlView;

class EditMapPal : public QDialog {
    Q_OBJECT
public:
    // Edits the palettes of `gfx` and writes them to `rom`; OK recolours the
    // map pictures of world `world` and, when opened in an area (`area` not
    // null), the area's pictures. The pictures are shown `zoom` times
    // enlarged; mouse positions are taken in picture pixels.
    EditMapPal(Rom &rom, Graphics &gfx, int world, const Level *area, QWidget *parent = nullptr, int zoom = 2);

    int objset() const;
    int levelgroup() const;
    int enemygroup() const;
    int selected() const { return selected_; }

    const Surface &levelpicture() const { return lvlpic_; }
    const Surface &enemypicture() const { return enmpic_; }
    const Surface &nespicture() const { return nespic_; }

public slots:
    void reject() override; // Cancel, Esc and the close button

private:
    void objsetchanged(int objset);
    void redrawlevel();
    void redrawenemy();
    void shownescolours();
    void nespressed(const ViewMouse &m);
    void nesdragged(const ViewMouse &m);
    void levelpressed(const ViewMouse &m);
    void enemypressed(const ViewMouse &m);
    void writeandclose();

    Rom &rom_;
    Graphics &gfx_;
    int world_;
    const Level *area_; // null on the world map
    int selected_ = 0; // NES colour 0..63
    int areaset_ = -1; // the object set of the area it was opened in, -1 on the map
    // The palettes as they were when the dialog opened, for a Cancel that
    // can't read the ROM.
    uint8_t lvlpalopened_[16][16][16];
    uint8_t enmpalopened_[16][4][16];

    Surface lvlpic_;
    Surface enmpic_;
    Surface nespic_;

    QScrollBar *objsetbar_;
    QLabel *objsetcaption_;
    QListWidget *levelgroups_;
    QListWidget *enemygroups_;
    LvlView *levelview_;
    LvlView *enemyview_;
    LvlView *nesview_;
    QDialogButtonBox *buttons_;
};

} // namespace quib
