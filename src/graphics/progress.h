#pragma once
#include <cstdint>
#include <functional>

namespace quib {
// Reports one start-up progress value (0..1000000) to the splash window.
using ProgressFn = std::function<void(int32_t)>;
} // namespace quib
