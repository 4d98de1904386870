#pragma once
// The level header editor's model: the nine header bytes of the current area
// as fields, the linked area's two pointers as the offsets the user types,
// the texts the dialog shows, and applying a new header to the ROM and the
// editor.
//
// Header bytes (see level/level.h for the whole stream):
//   0..1  CPU pointer to the linked area's object stream, low byte first;
//         file offset = word + 0x10 + objsetbase[linked set]
//   2..3  CPU pointer to the linked area's enemy stream; offset = word + 0x10
//   4     bits 0..3 length (screens - 1), bit 4 flag, bits 5..7 start Y index
//   5     bits 0..2 level colour group, bits 3..4 enemy colour group,
//         bits 5..6 start X index, bit 7 flag
//   6     bits 0..3 linked area's object set, bits 4..6 scrolling type
//         (odd types scroll vertically), bit 7 off: entering a pipe ends
//         the level
//   7     bits 0..4 graphic set, bits 5..7 start action
//   8     bits 0..3 music, bits 4 and 5 flags, bits 6..7 time setting
// All four pointer bytes zero means there is no linked area.
#include <QString>
#include <array>
#include <cstdint>

namespace quib {

class Rom;

struct EditorState;
struct NameTables;

using HeaderBytes = std::array<uint8_t, 9>;

// ---- Bit fields ---------------------------------------------------------------
enum class HdrField : uint8_t {
    Length,       // byte 4 bits 0..3
    Flag4,        // byte 4 bit 4
    StartY,       // byte 4 bits 5..7
    LevelColours, // byte 5 bits 0..2
    EnemyColours, // byte 5 bits 3..4
    StartX,       // byte 5 bits 5..6
    Flag5,        // byte 5 bit 7
    LinkSet,      // byte 6 bits 0..3
    Scrolling,    // byte 6 bits 4..6
    PipeFlag,     // byte 6 bit 7
    GraphicSet,   // byte 7 bits 0..4
    StartAction,  // byte 7 bits 5..7
    Music,        // byte 8 bits 0..3
    Flag8Bit4,    // byte 8 bit 4
    Flag8Bit5,    // byte 8 bit 5
    Time,         // byte 8 bits 6..7
};

struct BitField {
    uint8_t byte, shift, bits;
    constexpr int max() const { return (1 << bits) - 1; }
};
constexpr BitField bitfield(HdrField f)
{
    constexpr BitField table[] = {
        {4, 0, 4}, {4, 4, 1}, {4, 5, 3},            // Length, Flag4, StartY
        {5, 0, 3}, {5, 3, 2}, {5, 5, 2}, {5, 7, 1}, // LevelColours, EnemyColours, StartX, Flag5
        {6, 0, 4}, {6, 4, 3}, {6, 7, 1},            // LinkSet, Scrolling, PipeFlag
        {7, 0, 5}, {7, 5, 3},                       // GraphicSet, StartAction
        {8, 0, 4}, {8, 4, 1}, {8, 5, 1}, {8, 6, 2}, // Music, Flag8Bit4, Flag8Bit5, Time
    };
    return table[int(f)];
}

int hdrfield(const HeaderBytes &h, HdrField f);
// Puts value (cut to the field's width) into the field; other bits stay.
void sethdrfield(HeaderBytes &h, HdrField f, int value);

uint16_t linkobjword(const HeaderBytes &h); // bytes 0..1
uint16_t linkenmword(const HeaderBytes &h); // bytes 2..3

// ---- Texts of the dialog -------------------------------------------------------
// "00 1A ...": the nine bytes, two digits each. A pointer that can't be
// stored (see TypedPointer) shows "-- --" for its two bytes.
QString hdrbytestext(const HeaderBytes &h, bool objptrok = true, bool enmptrok = true);
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
    LvlHdrEdit(const HeaderBytes &hdr, bool hdrofs);

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
    bool result(HeaderBytes &out, QString *message) const;

private:
    TypedPointer objptr() const;
    TypedPointer enmptr() const;

    HeaderBytes hdr_;
    bool hdrofs_;
    uint16_t heldobj_, heldenm_; // the pointer words at opening
    int64_t objpos_;             // the object offset the dialog holds (as shown)
    QString objtyped_, enmtyped_;
};

// ---- OK -----------------------------------------------------------------------
// Writes the nine bytes at the current area's header (s.level.lvlobjpos) in
// one write operation, then puts them into s.level.lvlhdr, decodes both
// pattern sheets of the graphic set and recolours the level sheets. When the
// scrolling type changes between horizontal and vertical, the objects in
// memory take the form of the new type, as loading the area again would give
// them (unsaved edits kept), and the view keeps to the new type's bounds:
// a later save then writes each record as the game will read it. The caller
// redraws. On failure (no area loaded, the file can't be written) nothing
// changes and *error says why.
bool applylevelheader(EditorState &s, const HeaderBytes &hdr, QString *error);

} // namespace quib
