#pragma once

#include <cstdint>
#include <limits>

// AV_NOPTS_VALUE of the media libraries: no time given.
inline constexpr int64_t kNoPts = std::numeric_limits<int64_t>::min();
