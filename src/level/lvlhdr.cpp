#include "level/lvlhdr.h"

#include "graphics/graphics.h"
#include "level/level.h"
#include "tables/names.h"
#include "rom/hex.h"
#include "rom/romfile.h"
#include "rom/romlayout.h"
#include "level/leveledit.h"
#include "level/loadlevel.h"
#include "rom/areaoffsets.h"

#include <QStringList>

#include <algorithm>

namespace quib {

// ---- Texts ------------------------------------------------------------------------

QString hdrbytestext(const LevelHeader &h, bool objptrok, bool enmptrok)
{
    QStringList parts;
    for (size_t k = 0; k < h.size(); ++k) {
        const bool unknown = (k < 2 && !objptrok) || (k >= 2 && k < 4 && !enmptrok);
        parts << (unknown ? QStringLiteral("--") : hexpad(h[k], 2));
    }
    return parts.join(QLatin1Char(' '));
}

QString lengthtext(int length)
{
    return QStringLiteral("Length: ") + hexpad(16 * (length & 15) + 15, 2);
}

int startcolumn(int xindex)
{
    constexpr int columns[4] = {0x01, 0x07, 0x08, 0x0D};
    return columns[xindex & 3];
}

int startrow(int yindex)
{
    constexpr int rows[8] = {0x01, 0x05, 0x08, 0x0C, 0x10, 0x15, 0x18, 0x19};
    return rows[yindex & 7];
}

QString startxtext(int xindex) { return QStringLiteral("X : ") + hexpad(startcolumn(xindex), 2); }
QString startytext(int yindex) { return QStringLiteral("Y : ") + hexpad(startrow(yindex), 2); }

const std::array<const char *, 8> scrollingitems = {
    "Horizontal, scrolls up when flying", "Vertical scrolling (A)", "Free scrolling", "Vertical scrolling (B)",
    "Horizontal only (A)",                "Vertical scrolling (C)", "Horizontal only (B)", "Vertical scrolling (D)",
};

const std::array<const char *, 8> startactionitems = {
    "None",
    "Sliding",
    "Coming up of pipe (upwards)",
    "Coming up of pipe (downwards)",
    "Coming up of pipe (leftwards)",
    "Coming up of pipe (rightwards)",
    "Running, and climbing ship anchor",
    "Ship autoscrolling",
};

const std::array<const char *, 32> graphicsetitems = {
    "Player (A)",                        // 0
    "Plain",                             // 1
    "Fortress",                          // 2
    "Underground (A)",                   // 3
    "Sky",                               // 4
    "Pipe / Water (A)",                  // 5
    "Pipe / Water (B) (Water)",          // 6
    "Bonus house (A)",                   // 7
    "Pipe / Water (C) (Pipe)",           // 8
    "Desert",                            // 9
    "Ship",                              // 10
    "Giant",                             // 11
    "Ice",                               // 12
    "Clouds",                            // 13
    "Underground (B)",                   // 14
    "Bonus room",                        // 15
    "Bonus game",                        // 16
    "Bonus house (B)",                   // 17
    "Pipe / Water (D)",                  // 18
    "Hills",                             // 19
    "Plain 2",                           // 20
    "Tank",                              // 21
    "Castle",                            // 22
    "Player (B)",                        // 23
    "Animated graphics (A)",             // 24
    "Animated graphics (B)",             // 25
    "Animated graphics (C)",             // 26
    "Animated graphics (D)",             // 27
    "Animated graphics (switch block)",  // 28
    "Animated graphics (E)",             // 29
    "Game font / Course Clear graphics", // 30
    "Animated graphics (F)",             // 31
};

HdrLists readhdrlists(const Rom &rom, const NameTables &names)
{
    HdrLists lists;
    for (int k = 0; k < 16; ++k)
        lists.music[size_t(k)] = names.musicnames[rom.readbyte(rom::lvlmusicset + k)];
    for (int k = 0; k < 4; ++k) {
        lists.time[size_t(k)] = QStringLiteral("%1").arg(rom.readbyte(rom::starttimes + k) * 100, 3, 10, QLatin1Char('0'));
        if (k == 3)
            lists.time[size_t(k)] += QStringLiteral(" (unlimited)");
    }
    return lists;
}

// ---- Pointers ---------------------------------------------------------------------

ShownRange objptrrange(int objset, bool hdrofs)
{
    return {shownobjptr(0xA000, objset, hdrofs), shownobjptr(0xBFFF, objset, hdrofs)};
}

ShownRange enmptrrange(bool hdrofs)
{
    return {shownenmptr(0xC000, hdrofs), shownenmptr(0xFFFF, hdrofs)};
}

int64_t shownobjptr(uint16_t word, int objset, bool hdrofs)
{
    return int64_t(word) + rom::objsetbase[size_t(objset & 15)] + displayadjust(hdrofs);
}

int64_t shownenmptr(uint16_t word, bool hdrofs)
{
    return int64_t(word) + displayadjust(hdrofs);
}

namespace {

// shown - zero is the word the text denotes.
TypedPointer typedpointer(const QString &text, int64_t zero, ShownRange range, uint16_t heldword)
{
    const QString t = text.trimmed();
    if (!ishextext(t))
        return {TypedPointer::NotHex, 0};
    const int64_t v = hexval(t);
    if (v - zero == heldword || (v >= range.low && v <= range.high))
        return {TypedPointer::Ok, uint16_t(v - zero)};
    return {TypedPointer::OutOfRange, 0};
}

QString pointermessage(const QString &text, TypedPointer p, const char *what, ShownRange range)
{
    const QString t = text.trimmed();
    if (p.status == TypedPointer::NotHex && !t.isEmpty())
        return QStringLiteral("'%1' is not a hexadecimal number.").arg(text);
    QString m = QStringLiteral("The %1 of the linked area must lie between %2 and %3 (hex)")
                    .arg(QLatin1String(what), hexstr(range.low), hexstr(range.high));
    return t.isEmpty() ? m + QLatin1Char('.') : m + QStringLiteral(": '%1' does not.").arg(t);
}

} // namespace

TypedPointer typedobjptr(const QString &text, int objset, bool hdrofs, uint16_t heldword)
{
    return typedpointer(text, shownobjptr(0, objset, hdrofs), objptrrange(objset, hdrofs), heldword);
}

TypedPointer typedenmptr(const QString &text, bool hdrofs, uint16_t heldword)
{
    return typedpointer(text, shownenmptr(0, hdrofs), enmptrrange(hdrofs), heldword);
}

// ---- The header being edited ----------------------------------------------------

LvlHdrEdit::LvlHdrEdit(const LevelHeader &hdr, bool hdrofs)
    : hdr_(hdr), hdrofs_(hdrofs), heldobj_(hdrlink(hdr).objptr), heldenm_(hdrlink(hdr).enmptr),
      objpos_(shownobjptr(heldobj_, hdrfield(hdr, HdrField::LinkSet), hdrofs))
{
    objtyped_ = objtext();
    enmtyped_ = enmtext();
}

void LvlHdrEdit::setfield(HdrField f, int value)
{
    if (f == HdrField::LinkSet)
        chooseset(value);
    else
        sethdrfield(hdr_, f, value);
}

QString LvlHdrEdit::objtext() const { return hexstr(objpos_); }
QString LvlHdrEdit::enmtext() const { return hexstr(shownenmptr(heldenm_, hdrofs_)); }
QString LvlHdrEdit::objrangelabel() const { return objrangetext(field(HdrField::LinkSet), hdrofs_); }
QString LvlHdrEdit::enmrangelabel() const { return enmrangetext(hdrofs_); }

void LvlHdrEdit::setobjtyped(const QString &text) { objtyped_ = text; }
void LvlHdrEdit::setenmtyped(const QString &text) { enmtyped_ = text; }

void LvlHdrEdit::chooseset(int set)
{
    const int prev = field(HdrField::LinkSet);
    set &= 15;
    objpos_ = objpos_ - rom::objsetbase[size_t(prev)] + rom::objsetbase[size_t(set)];
    sethdrfield(hdr_, HdrField::LinkSet, set);
    objtyped_ = objtext();
}

TypedPointer LvlHdrEdit::objptr() const
{
    return typedobjptr(objtyped_, field(HdrField::LinkSet), hdrofs_, heldobj_);
}

TypedPointer LvlHdrEdit::enmptr() const { return typedenmptr(enmtyped_, hdrofs_, heldenm_); }

QString LvlHdrEdit::bytestext() const
{
    LevelHeader out;
    result(out, nullptr);
    return hdrbytestext(out, objptr().status == TypedPointer::Ok, enmptr().status == TypedPointer::Ok);
}

bool LvlHdrEdit::result(LevelHeader &out, QString *message) const
{
    out = hdr_;
    const TypedPointer o = objptr(), e = enmptr();
    if (o.status == TypedPointer::Ok) {
        out[0] = uint8_t(o.word & 0xFF);
        out[1] = uint8_t(o.word >> 8);
    }
    if (e.status == TypedPointer::Ok) {
        out[2] = uint8_t(e.word & 0xFF);
        out[3] = uint8_t(e.word >> 8);
    }
    if (message && o.status != TypedPointer::Ok)
        *message = pointermessage(objtyped_, o, "objects", objptrrange(field(HdrField::LinkSet), hdrofs_));
    else if (message && e.status != TypedPointer::Ok)
        *message = pointermessage(enmtyped_, e, "enemies", enmptrrange(hdrofs_));
    return o.status == TypedPointer::Ok && e.status == TypedPointer::Ok;
}

// ---- OK ---------------------------------------------------------------------------

namespace {

// The objects of an area held in the form of the other scrolling type: each
// record goes through the bytes Save would write for it, which it keeps, and
// is read back as loading the area again would read them. Save therefore
// writes the same bytes after the change as before it, and a change there
// and back gives the objects as they were.
void reorient(Level &l, bool wasvertical)
{
    for (ObjRecord &o : l.objects)
        o = decodeobj(saveobjbytes(o, wasvertical), !wasvertical);
}

} // namespace

bool applylevelheader(Level &l, Rom &romimage, Graphics &gfx, const LevelHeader &hdr, QString *error)
{
    if (!l.loaded) {
        if (error)
            *error = QStringLiteral("No level area is loaded.");
        return false;
    }
    RomFile rom(romimage, RomFile::Mode::Write);
    writeheader(rom, l.lvlobjpos, hdr);
    if (!rom.close()) {
        if (error)
            *error = rom.error();
        return false;
    }

    const bool wasvertical = l.vertical();
    l.lvlhdr = hdr;
    if (l.vertical() != wasvertical) {
        reorient(l, wasvertical);
        // The view keeps to the bounds of the new scrolling type.
        clampscroll(l);
    }
    headergraphics(l, romimage, gfx);
    return true;
}

void headergraphics(const Level &l, const Rom &rom, Graphics &gfx)
{
    for (int page = 0; page < 2; ++page)
        decodechr(gfx, rom, gfxsetsheet[page][l.graphicset()]);
    colorlvlgfx(gfx, l.lvlobjset, hdrfield(l.lvlhdr, HdrField::LevelColours), l.graphicset());
}

} // namespace quib
