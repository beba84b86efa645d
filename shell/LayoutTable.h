// Where the panels stand for each combination of shown panels, in twips.
#pragma once

#include <cstdint>
#include <optional>

struct PanelTops {
    int imgWatch, lblTime, cmdStart, cmdLap, lstLap;
    bool operator==(const PanelTops&) const = default;
};

/// The Tops for the three view flags (1 shown, 0 hidden); none when a flag holds another value.
std::optional<PanelTops> PanelTopsFor(int32_t showButton, int32_t showDigital, int32_t showAnalog);

/// The list's gap to the bottom of the client area, in twips: the 60-twip margin the panels
/// keep on every other side.
constexpr double kListBottomMargin = 60;

/// The list's height in twips for a client area of height `clientHeight` and a list whose top
/// is `listTop`: the rest of the client area less the bottom margin; 1000 when the list starts
/// below the client area altogether; none (the list is not shown) when the rest is less than
/// the margin, since a list can't have a negative height.
std::optional<double> ListHeightFor(double clientHeight, double listTop);
