// The millisecond counter the stopwatch measures with.
#pragma once

#include <cstdint>

namespace platform {

/// Milliseconds since boot, including time spent suspended, held in 32 bits (wraps after
/// 2^32 ms). Changing the wall clock never makes it jump.
uint32_t bootClockMs();

}  // namespace platform
