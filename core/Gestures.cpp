// Driving the stopwatch without aiming at the buttons: presses and double clicks anywhere on
// the window map onto Start/Stop and Lap/Reset, by the behaviour mode.
#include "shell/frmStopwatch.h"

namespace {
constexpr int16_t kLeft = 1;
constexpr int16_t kRight = 2;
}  // namespace

void frmStopwatch::doubleClickGesture() {
    if (state.behaviorMode != 0) {
        cmdLap_Click();
    } else {
        cmdStart_Click();
    }
}

void frmStopwatch::pressGesture(int16_t button) {
    if (state.behaviorMode == 0) {
        if (button == kLeft) cmdStart_Click();
        if (button == kRight) cmdLap_Click();
        return;
    }
    // Lap measurement: left starts, then takes laps; right is Start/Stop.
    if (button == kLeft) {
        if (state.running == kTrue) {
            cmdLap_Click();
        } else {
            cmdStart_Click();
        }
    }
    if (button == kRight) cmdStart_Click();
}

void frmStopwatch::Form_DblClick() {
    doubleClickGesture();
}
void frmStopwatch::imgWatch_DblClick() {
    doubleClickGesture();
}
void frmStopwatch::lblTime_DblClick() {
    doubleClickGesture();
}
void frmStopwatch::lstLap_DblClick() {
    doubleClickGesture();
}

void frmStopwatch::Form_MouseDown(int16_t button, int16_t, float, float) {
    pressGesture(button);
}
void frmStopwatch::lblTime_MouseDown(int16_t button, int16_t, float, float) {
    pressGesture(button);
}
void frmStopwatch::lstLap_MouseDown(int16_t button, int16_t, float, float) {
    pressGesture(button);
}

// On the dial, lap measurement also hides the buttons at a start and toggles them at a right
// press, so a timing session shows only the dial, the readout and the list.
void frmStopwatch::imgWatch_MouseDown(int16_t button, int16_t, float, float) {
    if (state.behaviorMode == 0) {
        pressGesture(button);
        return;
    }
    if (button == kLeft) {
        if (state.running == kTrue) {
            cmdLap_Click();
        } else {
            if (mnuShowButton.checked()) mnuShowButton_Click();
            cmdStart_Click();
        }
    }
    if (button == kRight) {
        cmdStart_Click();
        mnuShowButton_Click();
    }
}
