#include "platform/Clock.h"

#include <ctime>

namespace platform {

uint32_t bootClockMs() {
    // CLOCK_BOOTTIME keeps counting across a suspend, so a run that spans one shows the real
    // elapsed time; CLOCK_MONOTONIC would silently drop that time.
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const uint64_t ms = uint64_t(now.tv_sec) * 1000u + uint64_t(now.tv_nsec) / 1000000u;
    return uint32_t(ms);
}

}  // namespace platform
