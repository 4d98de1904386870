#pragma once
// Hexadecimal text as the dialogs and info labels show and take it.
#include <QString>
#include <cstdint>

namespace quib {

// Text to number, never fails: each character is a hex digit by its position
// ("0".."9", "A".."F" in either case; any other character, a non-ASCII
// letter too, counts as 0 but keeps its place). A digit whose term would take the sum out of the signed
// 32-bit range is skipped. Empty text gives 0.
int32_t hexval(const QString &text);

// Uppercase hex of value, padded on the left with "0" to at least `digits`
// characters; a longer value is not cut. Negative values show their 32-bit
// two's complement.
QString hexpad(int64_t value, int digits);

// Plain uppercase hex, not zero-filled.
QString hexstr(int64_t value);

// True when every character of the (trimmed) text is a hex digit and there is
// at least one; dialogs use it to tell the user about text that is not hex.
bool ishextext(const QString &text);

} // namespace quib
