#pragma once
// The keyboard commands: one handler for every key press of the main window,
// acting by edit mode. The logic works on the editor state alone; the window
// translates Qt's key events and carries out what the outcome asks for.
#include <cstdint>
#include <optional>

class QKeyEvent;

namespace quib {

struct EditorState;

enum class Key {
    Left, Right, Up, Down, PageUp, PageDown, Enter, Esc, Space,
    B, E, H, P, S,
    Kp2, Kp4, Kp6, Kp8, KpMinus, KpPlus, KpDivide, KpMultiply, KpDot,
};

struct KeyMods {
    bool any = false;       // Shift, Ctrl or Alt held
    bool shiftonly = false; // exactly Shift held
};

// What the window must do after the state was changed.
struct KeyOutcome {
    bool redrawmap = false;
    bool editpointer = false; // open the map pointer dialog (then redraw)
    bool enterlevel = false;  // enter the selected pointer's level
    bool nolink = false;      // the area links nowhere: tell the user
    bool exitedlevel = false; // the level was left (the window restores the toolbox)
};

// Keys of the keypad are told apart from the main keys: a keypad digit is a
// digit with the keypad flag (Num Lock on). Navigation keys that arrive from
// the keypad (Num Lock off, or Shift with a keypad digit) act as the
// navigation key they arrive as.
std::optional<Key> keyfromevent(const QKeyEvent &event);
KeyMods modsfromevent(const QKeyEvent &event);

KeyOutcome handlekey(EditorState &state, Key key, KeyMods mods);

} // namespace quib
