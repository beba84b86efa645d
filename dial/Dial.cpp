// Painting the dial: the range menu, the rolling numerals and the frame-stepped hand.
#include <cmath>

#include "core/Elapsed.h"
#include "core/NumberFormat.h"
#include "core/Rounding.h"
#include "dial/DialGeometry.h"
#include "shell/frmStopwatch.h"

void frmStopwatch::ApplyAnalogScale(int32_t value) {
    if (!platform::checkOnly({&mnu6Sec, &mnu10Sec, &mnu30Sec}, value - 1)) return;
    state.analogScale = value;
}

void frmStopwatch::mnu6Sec_Click() {
    ApplyAnalogScale(1);
}
void frmStopwatch::mnu10Sec_Click() {
    ApplyAnalogScale(2);
}
void frmStopwatch::mnu30Sec_Click() {
    ApplyAnalogScale(3);
}

void frmStopwatch::DrawNumeral(int32_t n) {
    trap(104, [&] {
        if (n <= 0) return;
        const QPoint tens = kNumeralSlots.at(std::size_t(n % 6));
        const QString lastTwo = formatZeroPadded5(n).right(2);
        const double tx = twipsPerPixelX();
        const double ty = twipsPerPixelY();
        for (int i = 0; i < 2; ++i) {
            const int digit = lastTwo.at(i).digitValue();
            imgWatch.paintPicture(imgNumber, (tens.x() + 15 * i) * tx, tens.y() * ty, 15 * tx,
                                  30 * ty, DigitCellLeft(digit) * tx, 0);
        }
    });
}

void frmStopwatch::DrawHand(int32_t t) {
    trap(109, [&] {
        const double width = imgWatch.scaleWidth();
        const double cx = roundHalfEven(width / 2);
        const double cy = roundHalfEven(imgWatch.scaleHeight() / 2);
        const double radius = width / 2;
        const float theta = HandAngle(t, state.analogScale);
        const double dx = radius * std::cos(theta);
        const double dy = radius * std::sin(theta);
        const ColorComponents rgb = ColorComponentsOf(state.analogColorRgb);
        const QRgb colour = qRgb(rgb.red, rgb.green, rgb.blue);
        const QRgb shadow = qRgb(126, 126, 126);

        imgWatch.setFillStyle(platform::PictureBox::Solid);
        imgWatch.setFillColor(shadow);
        imgWatch.circle(cx + 10, cy + 10, 50, shadow);
        imgWatch.setFillStyle(platform::PictureBox::Solid);
        imgWatch.setFillColor(colour);
        imgWatch.circle(cx, cy, 50, colour);
        imgWatch.setDrawWidth(1);
        imgWatch.line(cx, cy, float(cx + dx), float(cy + dy), colour);
        imgWatch.setDrawWidth(2);
        imgWatch.line(cx, cy, float(cx + 0.95 * dx), float(cy + 0.95 * dy), colour);
        imgWatch.line(cx, cy, float(cx - 0.1 * dx), float(cy - 0.1 * dy), colour);
    });
}

void frmStopwatch::drawRestingNumerals() {
    for (int32_t n = 1; n <= 6; ++n) DrawNumeral(n);
}

void frmStopwatch::drawRunningDial(int32_t total) {
    imgWatch.cls();
    for (int32_t k = -2; k <= 3; ++k) {
        DrawNumeral(int32_t(std::floor(checkedAdd(total, 1000 * k) / 1000.0)));
    }
    // Below 3 s the window of seconds still holds numbers under 1; complete the face.
    if (total < 3000) {
        for (int32_t n = 4; n <= 6; ++n) DrawNumeral(n);
    }
    DrawHand(total);
}
