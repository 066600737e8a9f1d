// An opaque reference to a window, so that portable logic can hand windows to the
// host's library without seeing the platform's handle type.
#pragma once

#include <cstdint>

using WindowRef = std::uintptr_t;
inline constexpr WindowRef kNoWindow = 0;
