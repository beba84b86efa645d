// The program's one state record, owned by the window for its whole life and zero-filled when
// the window is created.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

#include "core/LapTimes.h"

/// The 16-bit Boolean of `running`: True is -1, False is 0, nothing else is ever stored.
constexpr int16_t kTrue = -1;
constexpr int16_t kFalse = 0;

struct StopwatchState {
    /// Counter value (timeGetTime) read at the latest Start.
    int32_t startTick = 0;
    int16_t running = kFalse;
    /// Cumulative elapsed milliseconds at each lap and each Stop, oldest first.
    LapTimes lapTimes;
    int32_t showDigital = 0;
    int32_t showAnalog = 0;
    int32_t showButton = 0;
    /// 1 seconds, 2 h/m/s, 3 frame count, 4 sheet:second:frame; anything else: no notation.
    int32_t lapType = 0;
    /// 1, 2, 3: 6, 10, 30 seconds per turn of the hand; anything else: the hand stands still.
    int32_t analogScale = 0;
    /// Six hex digits RRGGBB; unset differs from empty text.
    std::optional<QString> analogColor;
    /// analogColor as red + 256 * green + 65536 * blue.
    int32_t analogColorRgb = 0;
    int32_t windowForceFront = 0;
    int32_t playSound = 0;
    /// 0 normal, non-zero lap measurement.
    int32_t behaviorMode = 0;
    /// Elapsed time of all earlier runs since the last Reset.
    int32_t accumulatedMs = 0;
    /// The whole content of "tick.wav".
    QByteArray tickSoundData;
};

/// Makes the record ready for a measurement: stopped, no splits, nothing accumulated.
void clearMeasurement(StopwatchState& state);
