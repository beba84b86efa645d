// The lap list: a view rebuilt in full from lapTimes in the chosen notation, with the notation
// menu's check marks and the window title following the choice.
#include <QScopeGuard>
#include <array>

#include "laps/TimeNotations.h"
#include "shell/frmStopwatch.h"

namespace {

struct Notation {
    const char16_t* titleLabel;
    QString (*render)(int32_t ms);
    int errorCode;
};

/// Indexed by lapType - 1.
const std::array<Notation, 4> kNotations{{
    {u"[秒]", FormatLapSec, 7},
    {u"[時分秒]", FormatLapHMS, 8},
    {u"[コマ数]", FormatLapFrame24, 9},
    {u"[ﾌﾚｰﾑ:秒:ｺﾏ]", FormatLapSSK, 6},
}};

bool isNotation(int32_t n) {
    return n >= 1 && n <= int32_t(kNotations.size());
}

}  // namespace

void frmStopwatch::SetLapType(int32_t notation) {
    if (!isNotation(notation)) return;
    setCaption(QStringLiteral("Tamoru Watch") +
               QString::fromUtf16(kNotations[notation - 1].titleLabel));
    platform::checkOnly({&mnuShowSec, &mnuShowHMS, &mnuShowFrame24, &mnuShowSSK}, notation - 1);
    state.lapType = notation;
}

void frmStopwatch::showLapsIn(int32_t notation) {
    const Notation& chosen = kNotations[notation - 1];
    trap(chosen.errorCode, [&] {
        SetLapType(notation);
        const int upper = state.lapTimes.upperBound();
        if (upper < 0) return;
        lstLap.clear();
        // The lines go into the list in one batch; should rendering fail half way, the lines
        // rendered so far are still appended, as one-by-one appending would have left them.
        QStringList lines;
        lines.reserve(upper + 1);
        {
            const auto appendRendered = qScopeGuard([&] { lstLap.addItems(lines); });
            for (int i = 0; i <= upper; ++i) lines.append(chosen.render(state.lapTimes.at(i)));
        }
        lstLap.setListIndex(lstLap.listCount() - 1);
    });
}

void frmStopwatch::mnuShowSec_Click() {
    showLapsIn(1);
}
void frmStopwatch::mnuShowHMS_Click() {
    showLapsIn(2);
}
void frmStopwatch::mnuShowFrame24_Click() {
    showLapsIn(3);
}
void frmStopwatch::mnuShowSSK_Click() {
    showLapsIn(4);
}

void frmStopwatch::rebuildLapListForLapType() {
    switch (state.lapType) {
        case 1:
            mnuShowSec_Click();
            break;
        case 2:
            mnuShowHMS_Click();
            break;
        case 3:
            mnuShowFrame24_Click();
            break;
        case 4:
            mnuShowSSK_Click();
            break;
        default:
            break;
    }
}
