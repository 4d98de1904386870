#include "ui/keys.h"

#include <QKeyEvent>

namespace quib {

namespace {

// The keypad keys' twins on the main keyboard, chosen among keys that no
// command or shortcut uses, with their shifted symbols (Shift is the
// modifier that the keypad keys take).
struct Twin {
    Key key;
    const char *label;
    Qt::Key plain, shifted;
};
constexpr Twin twins[] = {
    {Key::Kp8, "I", Qt::Key_I, Qt::Key_I},
    {Key::Kp2, "K", Qt::Key_K, Qt::Key_K},
    {Key::Kp4, "J", Qt::Key_J, Qt::Key_J},
    {Key::Kp6, "L", Qt::Key_L, Qt::Key_L},
    {Key::KpMinus, "[", Qt::Key_BracketLeft, Qt::Key_BraceLeft},
    {Key::KpPlus, "]", Qt::Key_BracketRight, Qt::Key_BraceRight},
    {Key::KpDivide, ";", Qt::Key_Semicolon, Qt::Key_Colon},
    {Key::KpMultiply, "'", Qt::Key_Apostrophe, Qt::Key_QuoteDbl},
    {Key::KpDot, ".", Qt::Key_Period, Qt::Key_Greater},
};

std::optional<Key> keypadkey(int qtkey)
{
    switch (qtkey) {
    case Qt::Key_2: return Key::Kp2;
    case Qt::Key_4: return Key::Kp4;
    case Qt::Key_6: return Key::Kp6;
    case Qt::Key_8: return Key::Kp8;
    case Qt::Key_Minus: return Key::KpMinus;
    case Qt::Key_Plus: return Key::KpPlus;
    case Qt::Key_Slash: return Key::KpDivide;
    case Qt::Key_Asterisk: return Key::KpMultiply;
    case Qt::Key_Period:
    case Qt::Key_Comma:
    case Qt::Key_Delete: return Key::KpDot; // with Num Lock off
    default: return std::nullopt;
    }
}

} // namespace

std::optional<Key> keyfromevent(const QKeyEvent &e)
{
    const Qt::KeyboardModifiers m = e.modifiers();
    if (m & Qt::KeypadModifier) {
        if (const auto k = keypadkey(e.key()))
            return k;
    }
    switch (e.key()) {
    case Qt::Key_Left: return Key::Left;
    case Qt::Key_Right: return Key::Right;
    case Qt::Key_Up: return Key::Up;
    case Qt::Key_Down: return Key::Down;
    case Qt::Key_PageUp: return Key::PageUp;
    case Qt::Key_PageDown: return Key::PageDown;
    case Qt::Key_Return:
    case Qt::Key_Enter: return Key::Enter;
    case Qt::Key_Escape: return Key::Esc;
    case Qt::Key_Space: return Key::Space;
    default: break;
    }
    // A letter or symbol held with Ctrl or Alt belongs to the menus: a
    // shortcut never also acts as its letter.
    if (m & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    if (m & Qt::KeypadModifier)
        return std::nullopt;
    switch (e.key()) {
    case Qt::Key_B: return Key::B;
    case Qt::Key_E: return Key::E;
    case Qt::Key_H: return Key::H;
    case Qt::Key_P: return Key::P;
    case Qt::Key_S: return Key::S;
    default: break;
    }
    for (const Twin &t : twins)
        if (e.key() == t.plain || e.key() == t.shifted)
            return t.key;
    return std::nullopt;
}

KeyMods modsfromevent(const QKeyEvent &e)
{
    const Qt::KeyboardModifiers m = e.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    return {m != Qt::NoModifier, m == Qt::ShiftModifier};
}

QString laptopkey(Key key)
{
    for (const Twin &t : twins)
        if (t.key == key)
            return QString::fromLatin1(t.label);
    return QString();
}

} // namespace quib
