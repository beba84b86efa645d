#include "core/Elapsed.h"

#include <limits>

#include "core/RuntimeFailure.h"

int32_t checkedAdd(int32_t a, int32_t b) {
    int32_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) throw RuntimeFailure("overflow");
    return sum;
}

int32_t elapsedMs(uint32_t now, int32_t startTick, int32_t accumulatedMs) {
    const uint32_t sinceStart = now - uint32_t(startTick);
    if (sinceStart > uint32_t(std::numeric_limits<int32_t>::max())) {
        throw RuntimeFailure("overflow");
    }
    return checkedAdd(int32_t(sinceStart), accumulatedMs);
}
