// The four notations a lap value is shown in. Pure functions of a millisecond count from 0 to
// 2,147,483,647; every quotient is truncated, so a line shows the second and the frame in
// progress at that instant. Fields have fixed widths for a font in which full-width characters
// take two columns; a value too long for its field loses its leading characters.
#pragma once

#include <QString>
#include <cstdint>

/// Frame 0..23 (at 24 fps) that a millisecond within the second, 0..999, falls into. A frame
/// boundary on a whole millisecond (125, 250, ...) belongs to the earlier frame.
int32_t FrameInSecond(int32_t msInSecond);

/// Notation 1: "     1.500 秒".
QString FormatLapSec(int32_t ms);
/// Notation 2: " 1時 2分 5秒042", a unit field blank (two spaces and U+3000) when its value is 0.
QString FormatLapHMS(int32_t ms);
/// Notation 3: "    35 コマ".
QString FormatLapFrame24(int32_t ms);
/// Notation 4: "620: 5: 1K [725: 1K]".
QString FormatLapSSK(int32_t ms);
