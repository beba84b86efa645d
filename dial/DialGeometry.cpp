#include "dial/DialGeometry.h"

#include "laps/TimeNotations.h"

double HandDegreesPerMs(int32_t analogScale) {
    switch (analogScale) {
        case 1:
            return 360.0 / 6 / 1000;
        case 2:
            return 360.0 / 10 / 1000;
        case 3:
            return 360.0 / 30 / 1000;
        default:
            return 0.0;
    }
}

namespace {
int hexDigitValue(QChar c) {
    if (c >= u'0' && c <= u'9') return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f') return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
    return -1;
}

int leadingHexValue(const QString& piece) {
    int value = 0;
    for (QChar c : piece) {
        const int digit = hexDigitValue(c);
        if (digit < 0) break;
        value = value * 16 + digit;
    }
    return value;
}
}  // namespace

int32_t ColorValueFromText(const std::optional<QString>& text) {
    if (!text) return 0;
    const int red = leadingHexValue(text->mid(0, 2));
    const int green = leadingHexValue(text->mid(2, 2));
    const int blue = leadingHexValue(text->mid(4, 2));
    return red + 256 * green + 65536 * blue;
}

ColorComponents ColorComponentsOf(int32_t value) {
    return {value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF};
}

int32_t FrameStartMs(int32_t m) {
    const int32_t frame = FrameInSecond(m);
    return frame == 0 ? 0 : 1000 * frame / 24 + 1;
}

float HandAngle(int32_t elapsedMs, int32_t analogScale) {
    constexpr double kPi = 3.1415926;
    if (elapsedMs == 0) return float(-90 * kPi / 180);
    const int32_t snapped = (elapsedMs / 1000) * 1000 + FrameStartMs(elapsedMs % 1000);
    return float((snapped * HandDegreesPerMs(analogScale) - 90) * kPi / 180);
}

int DigitCellLeft(int digit) {
    return digit == 0 ? 135 : 15 * (digit - 1);
}
