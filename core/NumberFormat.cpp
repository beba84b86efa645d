#include "core/NumberFormat.h"

void NumberText::prependDigits(uint64_t magnitude, bool grouped, int minimumDigits) {
    int written = 0;
    do {
        if (grouped && written > 0 && written % 3 == 0) prepend(u',');
        prepend(char16_t(u'0' + magnitude % 10));
        magnitude /= 10;
        ++written;
    } while (magnitude > 0 || written < minimumDigits);
}

static uint64_t magnitudeOf(int64_t value) {
    return value < 0 ? uint64_t(0) - uint64_t(value) : uint64_t(value);
}

NumberText NumberText::grouped(int64_t value) {
    NumberText text;
    text.prependDigits(magnitudeOf(value), true, 1);
    if (value < 0) text.prepend(u'-');
    return text;
}

NumberText NumberText::plain(int64_t value) {
    NumberText text;
    text.prependDigits(magnitudeOf(value), false, 1);
    if (value < 0) text.prepend(u'-');
    return text;
}

NumberText NumberText::secondsGrouped(int64_t ms) {
    // Integer arithmetic gives exactly what the decimal pattern gives for ms / 1000, with no
    // binary floating point rounding in between.
    const uint64_t magnitude = magnitudeOf(ms);
    NumberText text;
    text.prependDigits(magnitude % 1000, false, 3);
    text.prepend(u'.');
    text.prependDigits(magnitude / 1000, true, 1);
    if (ms < 0) text.prepend(u'-');
    return text;
}

QString formatZeroPadded5(int32_t value) {
    return QStringLiteral("%1").arg(value, 5, 10, QLatin1Char('0'));
}
