#include "core/StopwatchState.h"

void clearMeasurement(StopwatchState& state) {
    state.running = kFalse;
    state.lapTimes.makeEmpty();
    state.accumulatedMs = 0;
}
