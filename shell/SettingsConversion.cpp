#include "shell/SettingsConversion.h"

#include <QRegularExpression>
#include <limits>

#include "core/Rounding.h"
#include "core/RuntimeFailure.h"

int32_t SettingToInt32(const QString& text) {
    static const QRegularExpression kNumber(QStringLiteral(
        "^[ \\t]*([+-]?(?:[0-9]+(?:\\.[0-9]*)?|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?)[ \\t]*$"));
    const QRegularExpressionMatch match = kNumber.match(text);
    if (!match.hasMatch()) throw RuntimeFailure("type mismatch: not a number");
    const double rounded = roundHalfEven(match.captured(1).toDouble());
    if (rounded < std::numeric_limits<int32_t>::min() ||
        rounded > std::numeric_limits<int32_t>::max()) {
        throw RuntimeFailure("overflow: outside the 32-bit range");
    }
    return int32_t(rounded);
}
