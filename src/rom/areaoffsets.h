#pragma once
// The arithmetic of the dialogs that point at a level area by its two data
// offsets: offsets shown and typed (0x10 lower while the offset display is
// off), the advisory ranges, moving an object offset into another set's
// bank, and folding typed offsets into storable ones.
#include <QString>
#include <cstdint>

namespace quib {

// The display adjustment: offsets are shown as offset - 0x10 + a.
constexpr int displayadjust(bool hdrofs) { return hdrofs ? 0x10 : 0; }

QString objrangetext(int objset, bool hdrofs); // "(hex) (between 1E010 and 2000F)"
QString enmrangetext(bool hdrofs);             // "(hex) (between C010 and 1000F)"

// The object offset moved into the bank of another object set, keeping its
// CPU address.
int32_t rebaseobjpos(int32_t objpos, int fromset, int toset);

// OK of the dialog: typed texts to file offsets. The object offset is moved
// by 0x2000 steps into the set's 64 KB of CPU addresses; the enemy offset is
// taken modulo 0x10000.
int32_t foldobjpos(const QString &typed, int objset, bool hdrofs);
int32_t foldenmpos(const QString &typed, bool hdrofs);

} // namespace quib
