// The arithmetic of the dial, free of any drawing: range, colour, frame snapping, hand angle
// and the numeral slots.
#pragma once

#include <QPoint>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

/// Degrees per millisecond of the hand for a dial range: 1, 2, 3 turn once per 6, 10, 30
/// seconds; any other value stops the hand at 12 o'clock.
double HandDegreesPerMs(int32_t analogScale);

/// "RRGGBB" as red + 256 * green + 65536 * blue. Each pair is read as hexadecimal up to its
/// first non-hex character (none gives 0); missing pairs are 0 and characters after the sixth
/// are ignored. Unset text is 0. Never fails.
int32_t ColorValueFromText(const std::optional<QString>& text);

struct ColorComponents {
    int red, green, blue;
};

/// The components of a colour value red + 256 * green + 65536 * blue.
ColorComponents ColorComponentsOf(int32_t value);

/// The first millisecond of the 1/24-second frame holding m, 0 <= m <= 999.
int32_t FrameStartMs(int32_t m);

/// The hand's angle in radians for an elapsed time: -pi/2 is 12 o'clock and the angle grows
/// clockwise. The time is snapped down to the start of its frame first.
float HandAngle(int32_t elapsedMs, int32_t analogScale);

/// Top-left pixels of the tens digits of the numeral slots 0..5 (12, 2, 4, 6, 8, 10 o'clock);
/// each slot is a block of two 15 x 30 digit cells. The dial face leaves these blocks white.
inline constexpr std::array<QPoint, 6> kNumeralSlots{
    {{110, 15}, {187, 62}, {187, 157}, {110, 201}, {33, 157}, {33, 62}}};

/// Left edge, in the digit strip, of the cell holding the digit 0..9 (cells run 1..9, 0).
int DigitCellLeft(int digit);
