#include "shell/LayoutTable.h"

#include <array>

#include "core/Rounding.h"

std::optional<PanelTops> PanelTopsFor(int32_t showButton, int32_t showDigital, int32_t showAnalog) {
    // Indexed by showButton * 4 + showDigital * 2 + showAnalog. The spacing is not uniform on
    // purpose: it is the window's design.
    static constexpr std::array<PanelTops, 8> kRows{{
        {0, 0, 0, 0, 60},
        {60, 0, 0, 0, 3900},
        {0, 60, 0, 0, 600},
        {60, 3900, 0, 0, 4440},
        {0, 0, 60, 60, 600},
        {60, 0, 3900, 3900, 4440},
        {0, 60, 600, 600, 1140},
        {60, 3900, 4450, 4450, 4980},
    }};
    const auto isFlag = [](int32_t v) { return v == 0 || v == 1; };
    if (!isFlag(showButton) || !isFlag(showDigital) || !isFlag(showAnalog)) return std::nullopt;
    return kRows[std::size_t(showButton * 4 + showDigital * 2 + showAnalog)];
}

std::optional<double> ListHeightFor(double clientHeight, double listTop) {
    if (roundHalfEven(clientHeight - listTop) < 1) return 1000;
    const double height = clientHeight - listTop - kListBottomMargin;
    if (height < 0) return std::nullopt;
    return height;
}
