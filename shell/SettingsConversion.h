// Turning a settings value text into a 32-bit integer.
#pragma once

#include <QString>
#include <cstdint>

/// A decimal number (optionally with an exponent) with an optional sign and blanks around it; a
/// fraction rounds to the nearest integer, ties to even (2.5 -> 2, 3.5 -> 4). Empty text, text that
/// is not a number (such as "ERROR") and numbers outside the 32-bit range are a RuntimeFailure.
int32_t SettingToInt32(const QString& text);
