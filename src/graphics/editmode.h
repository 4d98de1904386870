#pragma once
#include <cstdint>

namespace quib {

enum EditMode : uint8_t {
    ModeMapEditing = 0,
    ModeMapPointers = 1,
    ModeObjectEditing = 2,
    ModeEnemyEditing = 3,
    ModeMapSprites = 4,
};

constexpr bool ismapmode(uint8_t mode) { return mode == ModeMapEditing || mode == ModeMapPointers || mode == ModeMapSprites; }

} // namespace quib
