#pragma once
// The keyboard commands: one handler for every key press of the main window,
// acting by edit mode through one table of key rows. The same table gives the
// keyboard reference, so the two cannot drift apart. The handler changes the
// editor state only; the caller redraws.
#include <QString>
#include <cstdint>
#include <vector>

namespace quib {

struct EditorState;

enum class Key {
    Left, Right, Up, Down, PageUp, PageDown, Enter, Esc, Space,
    B, E, H, P, S,
    Kp2, Kp4, Kp6, Kp8, KpMinus, KpPlus, KpDivide, KpMultiply, KpDot,
    Count // not a key: the number of keys above, each of which has a name (keyname)
};

struct KeyMods {
    bool any = false;       // Shift, Ctrl or Alt held
    bool shiftonly = false; // exactly Shift held
};

// What the caller must do after the state was changed.
struct KeyOutcome {
    bool editpointer = false; // open the map pointer dialog
    bool enterlevel = false;  // enter the selected pointer's level (after the transition)
    bool cantenter = false;   // Space on a pointer that leads into no level
    bool nolink = false;      // the area links nowhere: tell the user
    QString edit;             // what the key changed, for the undo list ("Move object")
};

// Leaving the loaded world or area goes through a navigator, which may ask
// about unsaved edits first and refuse. Without one the handler loads at once.
class Navigator {
public:
    virtual ~Navigator() = default;
    virtual bool changeworld(EditorState &s, int world) = 0; // false: refused, nothing changed
    virtual bool exitlevel(EditorState &s) = 0;
    // 1 the linked area was loaded, 0 it links nowhere, -1 refused.
    virtual int nextarea(EditorState &s) = 0;
};

KeyOutcome handlekey(EditorState &state, Key key, KeyMods mods, Navigator *nav = nullptr);

// Which modifier state a key row asks for.
enum class ModReq : uint8_t { Any, None, With };

// Modes as bits: 1 << editmode.
constexpr unsigned modebit(int mode) { return 1u << mode; }
constexpr unsigned mapmodes = modebit(0) | modebit(1) | modebit(4);
constexpr unsigned levelmodes = modebit(2) | modebit(3);
constexpr unsigned allmodes = mapmodes | levelmodes;

// One row of the keyboard reference: the rows of the handler's table.
struct KeyHelp {
    unsigned modes;
    Key key;
    ModReq mods;
    QString action;
};
std::vector<KeyHelp> keyreference();

// "Keypad +", "Page Down", "B".
QString keyname(Key key);

} // namespace quib
