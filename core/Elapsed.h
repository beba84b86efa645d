// Elapsed time of a running stopwatch, in whole milliseconds.
#pragma once

#include <cstdint>

/// (now - startTick) + accumulatedMs. The difference is taken modulo 2^32, which is exact across
/// the counter's passage into its negative half and its wrap to 0; a difference or a sum beyond
/// 2,147,483,647 ms is an overflow (a RuntimeFailure).
int32_t elapsedMs(uint32_t now, int32_t startTick, int32_t accumulatedMs);

/// a + b in 32 bits; an overflow is a RuntimeFailure.
int32_t checkedAdd(int32_t a, int32_t b);
