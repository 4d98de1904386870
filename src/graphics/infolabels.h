#pragma once
// The texts of the main window's four info labels beside the view. They are
// computed from the editor state whenever the view is redrawn, never stored.
#include <QString>
#include <array>

namespace quib {

using InfoLabels = std::array<QString, 4>;

} // namespace quib
