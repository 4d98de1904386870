#pragma once
// The level header editor's model: the nine header bytes of the current area
// as fields, the linked area's two pointers as the offsets the user types,
// the texts the dialog shows, and applying a new header to the ROM and the
// editor. The header's layout and its codec are in level/records.h.
#include "level/records.h"

#include <QString>
#include <array>
#include <cstdint>

namespace quib {

class Rom;

struct Graphics;
struct Level;
struct NameTables;

// ---- Texts of the dialog -------------------------------------------------------
// "00 1A ...": the nine bytes, two digits each. A pointer that can't be
// stored (see TypedPointer) shows "-- --" for its two bytes.
QString hdrbytestext(const LevelHeader &h, bool objptrok = true, bool enmptrok = true);
// "Length: 0F": the last column of a level of length value 0..15.
QString lengthtext(int length);
// The start position: X index 0..3 and Y index 0..7 as block column and row,
// "X : 07" and "Y : 15".
int startcolumn(int xindex);
int startrow(int yindex);
QString startxtext(int xindex);
QString startytext(int yindex);

// Fixed list items, item index = field value.
extern const std::array<const char *, 8> scrollingitems;
extern const std::array<const char *, 8> startactionitems;
extern const std::array<const char *, 32> graphicsetitems;

// The lists built from the ROM when the dialog opens (one read operation):
// music value k names the music number at lvlmusicset + k; time setting k
// shows the timer value at starttimes + k times 100, the last one unlimited.
struct HdrLists {
    std::array<QString, 16> music;
    std::array<QString, 4> time;
};
HdrLists readhdrlists(const Rom &rom, const NameTables &names);

// ---- The linked area's pointers as typed ---------------------------------------
// The boxes show file offsets (0x10 lower while the offset display flag is
// off): an object pointer word w of linked set s shows as
// w + objsetbase[s] + a, an enemy pointer word as w + a, a = 0x10 or 0.
// The range beside a box is that of the bank window: words 0xA000..0xBFFF
// for objects, 0xC000..0xFFFF for enemies.
struct ShownRange {
    int64_t low, high;
};
ShownRange objptrrange(int objset, bool hdrofs);
ShownRange enmptrrange(bool hdrofs);
int64_t shownobjptr(uint16_t word, int objset, bool hdrofs);
int64_t shownenmptr(uint16_t word, bool hdrofs);

// A typed pointer: hex text whose value lies in the range shown gives its
// word. The word the header held when the dialog opened is taken as well,
// even outside the range (0 for an area that links nowhere), so a header
// confirmed unchanged is written back as it was.
struct TypedPointer {
    enum Status { Ok, NotHex, OutOfRange } status = Ok;
    uint16_t word = 0;
};
TypedPointer typedobjptr(const QString &text, int objset, bool hdrofs, uint16_t heldword);
TypedPointer typedenmptr(const QString &text, bool hdrofs, uint16_t heldword);

// The header being edited: the dialog's controls change its fields and
// texts; result() gives the nine bytes to write, or why they can't be.
class LvlHdrEdit {
public:
    LvlHdrEdit(const LevelHeader &hdr, bool hdrofs);

    int field(HdrField f) const { return hdrfield(hdr_, f); }
    void setfield(HdrField f, int value);

    // The texts shown in the two pointer boxes when the dialog opens and
    // after the linked set changes, and the ranges beside them.
    QString objtext() const;
    QString enmtext() const;
    QString objrangelabel() const;
    QString enmrangelabel() const;

    // What the user typed.
    void setobjtyped(const QString &text);
    void setenmtyped(const QString &text);

    // A new linked set keeps the CPU pointer: the object offset the dialog
    // holds moves into the new set's bank and replaces the typed text.
    void chooseset(int set);

    QString bytestext() const;

    // The bytes to write; false with a message (naming the text and the
    // range) when a typed pointer is not hex or lies outside its range.
    bool result(LevelHeader &out, QString *message) const;

private:
    TypedPointer objptr() const;
    TypedPointer enmptr() const;

    LevelHeader hdr_;
    bool hdrofs_;
    uint16_t heldobj_, heldenm_; // the pointer words at opening
    int64_t objpos_;             // the object offset the dialog holds (as shown)
    QString objtyped_, enmtyped_;
};

// ---- OK -----------------------------------------------------------------------
// Writes the nine bytes at the current area's header (lvl.lvlobjpos) in
// one write operation, then puts them into lvl.lvlhdr, decodes both
// pattern sheets of the graphic set and recolours the level sheets. When the
// scrolling type changes between horizontal and vertical, the objects in
// memory take the form of the new type, as loading the area again would give
// them (unsaved edits kept), and the view keeps to the new type's bounds:
// a later save then writes each record as the game will read it. The caller
// redraws. On failure (no area loaded, the file can't be written) nothing
// changes and *error says why.
bool applylevelheader(Level &lvl, Rom &rom, Graphics &gfx, const LevelHeader &hdr, QString *error);
// The level pictures of the loaded area's header (graphic set, colours),
// decoded and coloured again from the ROM.
void headergraphics(const Level &lvl, const Rom &rom, Graphics &gfx);

} // namespace quib
