// Rounding as the window geometry and the settings conversions need it: to the nearest whole
// number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4), so twips convert to pixels the same
// way everywhere.
#pragma once

#include <cmath>

inline double roundHalfEven(double value) {
    return std::nearbyint(value);
}
