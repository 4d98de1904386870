#pragma once
// Qt's key events as the editor's keys. Keys of the keypad are told apart
// from the main keys by the keypad flag; navigation keys that arrive from the
// keypad (Num Lock off, or Shift with a keypad digit) act as the navigation
// key they arrive as. Every keypad key also has a key on the main keyboard,
// for keyboards without a keypad.
#include "editor/keys.h"

#include <QString>
#include <optional>

class QKeyEvent;

namespace quib {

std::optional<Key> keyfromevent(const QKeyEvent &event);
KeyMods modsfromevent(const QKeyEvent &event);

// The main-keyboard twin of a keypad key ("J" for keypad 4), or empty.
QString laptopkey(Key key);

} // namespace quib
