// Showing and hiding the dial, the readout and the buttons, stacking the shown panels and
// letting the lap list fill the rest of the window.
#include "shell/LayoutTable.h"
#include "shell/frmStopwatch.h"

void frmStopwatch::ArrangeControls() {
    trap(105, [this] {
        if (const std::optional<PanelTops> tops =
                PanelTopsFor(state.showButton, state.showDigital, state.showAnalog)) {
            imgWatch.setTop(tops->imgWatch);
            lblTime.setTop(tops->lblTime);
            cmdStart.setTop(tops->cmdStart);
            cmdLap.setTop(tops->cmdLap);
            lstLap.setTop(tops->lstLap);
        }
        Form_Resize();
    });
}

void frmStopwatch::Form_Resize() {
    trap(10, [this] {
        const std::optional<double> height = ListHeightFor(clientHeight(), lstLap.top());
        if (height) lstLap.setHeight(*height);
        lstLap.setVisible(height.has_value());
    });
}

void frmStopwatch::toggleView(platform::MenuItem& item, int32_t& setting,
                              const std::function<void(bool)>& show) {
    item.setChecked(!item.checked());
    const bool shown = item.checked();
    show(shown);
    setting = shown ? 1 : 0;
    ArrangeControls();
}

void frmStopwatch::mnuShowButton_Click() {
    toggleView(mnuShowButton, state.showButton, [this](bool shown) {
        cmdStart.setVisible(shown);
        cmdLap.setVisible(shown);
    });
}

void frmStopwatch::mnuShowDigitalWatch_Click() {
    trap(12, [this] {
        toggleView(mnuShowDigitalWatch, state.showDigital,
                   [this](bool shown) { lblTime.setVisible(shown); });
    });
}

void frmStopwatch::mnuShowAnalogWatch_Click() {
    trap(11, [this] {
        toggleView(mnuShowAnalogWatch, state.showAnalog, [this](bool shown) {
            // Drawn before it is shown, so the dial never appears with a stale hand.
            if (shown) DrawHand(state.accumulatedMs);
            imgWatch.setVisible(shown);
        });
    });
}
