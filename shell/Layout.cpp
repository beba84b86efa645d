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
    trap(10, [this] { lstLap.setHeight(ListHeightFor(clientHeight(), lstLap.top())); });
}

void frmStopwatch::mnuShowButton_Click() {
    mnuShowButton.setChecked(!mnuShowButton.checked());
    const bool shown = mnuShowButton.checked();
    cmdStart.setVisible(shown);
    cmdLap.setVisible(shown);
    state.showButton = shown ? 1 : 0;
    ArrangeControls();
}

void frmStopwatch::mnuShowDigitalWatch_Click() {
    trap(12, [this] {
        mnuShowDigitalWatch.setChecked(!mnuShowDigitalWatch.checked());
        const bool shown = mnuShowDigitalWatch.checked();
        lblTime.setVisible(shown);
        state.showDigital = shown ? 1 : 0;
        ArrangeControls();
    });
}

void frmStopwatch::mnuShowAnalogWatch_Click() {
    trap(11, [this] {
        mnuShowAnalogWatch.setChecked(!mnuShowAnalogWatch.checked());
        const bool shown = mnuShowAnalogWatch.checked();
        // Drawn before it is shown, so the dial never appears with a stale hand.
        if (shown) DrawHand(state.accumulatedMs);
        imgWatch.setVisible(shown);
        state.showAnalog = shown ? 1 : 0;
        ArrangeControls();
    });
}
