#include <QPainter>
#include <QtTest>
#include <cmath>

#include "dial/DialGeometry.h"
#include "support/DialProbe.h"
#include "support/LoadedWindow.h"

namespace {

constexpr QRgb kHandColour = qRgb(0, 255, 0);  // nothing on the face is green
constexpr double kCentre = kDialCentre;

struct Dial : LoadedWindow {
    Dial() {
        state().showAnalog = 1;
        state().showDigital = 1;
        state().analogScale = 1;
        state().analogColorRgb = 65280;
    }
    const QImage& image() { return form->imgWatch.image(); }
    void tickAt(int32_t elapsed) {
        form->cmdStart_Click();
        machine.advance(uint32_t(elapsed));
        form->tmrClock_Timer();
    }
};

/// The 30 x 30 block the digit strip gives for a two-digit numeral.
QImage numeralBlock(const QImage& strip, const QString& twoDigits) {
    QImage block(30, 30, QImage::Format_RGB32);
    QPainter painter(&block);
    for (int i = 0; i < 2; ++i) {
        painter.drawImage(QPoint(15 * i, 0), strip,
                          QRect(DigitCellLeft(twoDigits.at(i).digitValue()), 0, 15, 30));
    }
    return block;
}

/// Pixels of a slot block away from the hand's footprint (the hand is painted over numerals).
int mismatchesOutsideHand(const QImage& dial, int slot, const QImage& expected, double degrees) {
    const QPoint corner = kNumeralSlots.at(std::size_t(slot));
    const double a = degrees * M_PI / 180;
    const QPointF direction(std::sin(a), -std::cos(a));
    int mismatches = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            const QPointF p =
                QPointF(corner.x() + x + 0.5, corner.y() + y + 0.5) - QPointF(kCentre, kCentre);
            const double along = p.x() * direction.x() + p.y() * direction.y();
            const double across = std::abs(p.x() * direction.y() - p.y() * direction.x());
            if (along > -20 && across < 3) continue;
            if (dial.pixel(corner.x() + x, corner.y() + y) != expected.pixel(x, y)) ++mismatches;
        }
    }
    return mismatches;
}

double handDegrees(int32_t t, int32_t scale) {
    return (HandAngle(t, scale) * 180 / 3.1415926) + 90;
}

}  // namespace

class DialTest : public QObject {
    Q_OBJECT
private slots:
    void frameStartMs_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        const int starts[24] = {0,   42,  84,  126, 167, 209, 251, 292, 334, 376, 417, 459,
                                501, 542, 584, 626, 667, 709, 751, 792, 834, 876, 917, 959};
        for (int frame = 0; frame < 24; ++frame) {
            QTest::addRow("frame %d", frame)
                << starts[frame] << (frame == 23 ? 999 : starts[frame + 1] - 1);
        }
    }
    void frameStartMs() {
        QFETCH(int, from);
        QFETCH(int, to);
        for (int m = from; m <= to; ++m) QCOMPARE(FrameStartMs(m), from);
    }

    void colourFromText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("set");
        QTest::addColumn<int>("value");
        QTest::newRow("FF8000") << "FF8000" << true << 33023;
        QTest::newRow("00FF00") << "00FF00" << true << 65280;
        QTest::newRow("0000FF") << "0000FF" << true << 16711680;
        QTest::newRow("lower case") << "abcdef" << true << 15715755;
        QTest::newRow("one pair") << "FF" << true << 255;
        QTest::newRow("eight characters") << "808080C0" << true << 8421504;
        QTest::newRow("ERROR") << "ERROR" << true << 14;
        QTest::newRow("stops at non-hex") << "1g2h3i" << true << 197121;
        QTest::newRow("empty") << "" << true << 0;
        QTest::newRow("unset") << "" << false << 0;
    }
    void colourFromText() {
        QFETCH(QString, text);
        QFETCH(bool, set);
        QFETCH(int, value);
        QCOMPARE(ColorValueFromText(set ? std::optional<QString>(text) : std::nullopt), value);
    }

    void rangeMenu_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QList<bool>>("checks");
        QTest::addColumn<int>("stored");
        QTest::newRow("6 s") << 1 << QList<bool>{true, false, false} << 1;
        QTest::newRow("10 s (greyed item)") << 2 << QList<bool>{false, true, false} << 2;
        QTest::newRow("30 s (greyed item)") << 3 << QList<bool>{false, false, true} << 3;
        QTest::newRow("0 changes nothing") << 0 << QList<bool>{true, true, true} << -2;
        QTest::newRow("4 changes nothing") << 4 << QList<bool>{true, true, true} << -2;
    }
    void rangeMenu() {
        QFETCH(int, value);
        QFETCH(QList<bool>, checks);
        QFETCH(int, stored);
        LoadedWindow w;
        w.state().analogScale = -2;
        w->ApplyAnalogScale(value);
        QCOMPARE((QList<bool>{w->mnu6Sec.checked(), w->mnu10Sec.checked(), w->mnu30Sec.checked()}),
                 checks);
        QCOMPARE(w.state().analogScale, stored);
        QVERIFY(!w->mnu10Sec.enabled() && !w->mnu30Sec.enabled());
    }

    void handAngles_data() {
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("t");
        QTest::addColumn<double>("degrees");
        QTest::newRow("r1 0") << 1 << 0 << 0.0;
        QTest::newRow("r1 41") << 1 << 41 << 0.0;
        QTest::newRow("r1 42") << 1 << 42 << 2.52;
        QTest::newRow("r1 791") << 1 << 791 << 45.06;
        QTest::newRow("r1 792") << 1 << 792 << 47.52;
        QTest::newRow("r1 1000") << 1 << 1000 << 60.0;
        QTest::newRow("r1 1500") << 1 << 1500 << 87.54;
        QTest::newRow("r1 5999") << 1 << 5999 << 357.54;
        QTest::newRow("r1 6000") << 1 << 6000 << 360.0;
        QTest::newRow("r2 1000") << 2 << 1000 << 36.0;
        QTest::newRow("r2 2500") << 2 << 2500 << 88.524;
        QTest::newRow("r3 15000") << 3 << 15000 << 180.0;
        QTest::newRow("r3 12345") << 3 << 12345 << 148.008;
        QTest::newRow("out of range 0") << 0 << 2345 << 0.0;
        QTest::newRow("out of range 7") << 7 << 4321 << 0.0;
    }
    void handAngles() {
        QFETCH(int, scale);
        QFETCH(int, t);
        QFETCH(double, degrees);
        QVERIFY(std::abs(handDegrees(t, scale) - degrees) < 1e-3);

        Dial dial;
        dial.state().analogScale = scale;
        dial->imgWatch.cls();
        dial->DrawHand(t);
        const QImage& image = dial.image();
        for (double r = 20; r <= 116; r += 4) {
            QVERIFY2(handColourNear(image, alongHand(degrees, r), 1),
                     qPrintable(QStringLiteral("no hand at radius %1").arg(r)));
        }
        for (double r = 18; r <= 110; r += 4) {
            QVERIFY2(!handColourNear(image, alongHand(degrees + 180, r), 1),
                     qPrintable(QStringLiteral("hand beyond the tail at radius %1").arg(r)));
        }
    }

    void numeralsRollAsTheTickLoopAsks_data() {
        QTest::addColumn<int>("t");
        QTest::addColumn<QStringList>("expectedSlots");
        auto row = [](int t, const char* expectedSlots) {
            QTest::addRow("t=%d", t) << t << QString::fromLatin1(expectedSlots).split(u' ');
        };
        row(0, "06 01 02 03 04 05");
        row(2999, "06 01 02 03 04 05");
        row(3000, "06 01 02 03 04 05");
        row(4000, "06 07 02 03 04 05");
        row(5500, "06 07 08 03 04 05");
        row(9000, "12 07 08 09 10 11");
        row(59999, "60 61 62 57 58 59");
        row(99500, "02 97 98 99 00 01");
    }
    void numeralsRollAsTheTickLoopAsks() {
        QFETCH(int, t);
        QFETCH(QStringList, expectedSlots);
        Dial dial;
        dial.tickAt(t);
        const QImage& strip = dial->imgNumber.picture();
        for (int slot = 0; slot < 6; ++slot) {
            const int bad = mismatchesOutsideHand(
                dial.image(), slot, numeralBlock(strip, expectedSlots[slot]), handDegrees(t, 1));
            QVERIFY2(bad == 0, qPrintable(QStringLiteral("slot %1 should read %2, %3 pixels differ")
                                              .arg(slot)
                                              .arg(expectedSlots[slot])
                                              .arg(bad)));
        }
    }

    void drawNumeralPaintsTheLastTwoDigitsInItsSlot_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("digits");
        QTest::newRow("6") << 6 << 0 << "06";
        QTest::newRow("7") << 7 << 1 << "07";
        QTest::newRow("100") << 100 << 4 << "00";
        QTest::newRow("123") << 123 << 3 << "23";
    }
    void drawNumeralPaintsTheLastTwoDigitsInItsSlot() {
        QFETCH(int, n);
        QFETCH(int, slot);
        QFETCH(QString, digits);
        Dial dial;
        dial->imgWatch.cls();
        const QImage before = dial.image().copy();
        dial->DrawNumeral(n);
        const QImage& after = dial.image();
        const QImage expected = numeralBlock(dial->imgNumber.picture(), digits);
        const QRect block(kNumeralSlots.at(std::size_t(slot)), QSize(30, 30));
        QCOMPARE(after.copy(block), expected.convertToFormat(after.format()));
        QImage rest = after.copy();
        QPainter(&rest).drawImage(block, before.copy(block));
        QCOMPARE(rest, before);  // nothing outside the block changed
    }

    void drawNumeralBelowOnePaintsNothing() {
        Dial dial;
        dial->imgWatch.cls();
        const QImage before = dial.image().copy();
        for (int32_t n : {0, -1, -2, -2147483647 - 1}) dial->DrawNumeral(n);
        QCOMPARE(dial.image(), before);
        QVERIFY(dial.machine.messages.isEmpty());
    }

    // Each tick wipes the last picture: only the current hand is visible.
    void eachTickStartsFromTheBareFace() {
        Dial dial;
        dial.tickAt(1000);
        QVERIFY(handColourNear(dial.image(), alongHand(60, 100), 1));
        dial.machine.advance(1000);
        dial->tmrClock_Timer();
        QVERIFY(handColourNear(dial.image(), alongHand(120, 100), 1));
        QVERIFY(!handColourNear(dial.image(), alongHand(60, 100), 1));
    }

    // The hand is painted after the numerals: at 12 o'clock it crosses the numeral of slot 0.
    void theHandLiesOverTheNumerals() {
        Dial dial;
        dial.tickAt(0);
        QVERIFY(handColourNear(dial.image(), alongHand(0, 95), 0));
    }

    void hiddenDialIsNotRepainted() {
        Dial dial;
        dial.state().showAnalog = 0;
        dial->imgWatch.cls();
        const QImage before = dial.image().copy();
        dial.tickAt(4000);
        QCOMPARE(dial.image(), before);
        QCOMPARE(dial->lblTime.caption(), QStringLiteral("4.000"));
    }

    void stopFreezesAndResetRestoresTheRestingDial() {
        Dial resting;
        resting.tickAt(0);  // the hub is outlined 2 pixels wide from the second hand on
        resting->cmdStart_Click();
        resting->cmdLap_Click();  // Reset: bare face, numerals 1 to 6, hand at 12
        Dial dial;
        dial.tickAt(9500);
        dial->cmdStart_Click();
        const QImage stopped = dial.image().copy();
        dial.machine.advance(3000);
        dial->tmrClock_Timer();
        QCOMPARE(dial.image(), stopped);
        dial->cmdLap_Click();
        QCOMPARE(dial.image(), resting.image());
        QVERIFY(handColourNear(dial.image(), alongHand(0, 100), 0));
    }

    void numeralWindowOverflowsBeforeTheElapsedTimeDoes() {
        Dial limit;
        limit.state().accumulatedMs = 2147480647;
        limit.tickAt(0);
        QVERIFY(limit.machine.messages.isEmpty());

        Dial dial;
        dial.state().accumulatedMs = 2147480648;
        dial.tickAt(0);
        QCOMPARE(dial.machine.messages,
                 QStringList{QStringLiteral("(CODE:013)致命的なエラー発生")});
        QCOMPARE(dial->lblTime.caption(), QStringLiteral("2,147,480.648"));

        Dial hidden;
        hidden.state().showAnalog = 0;
        hidden.state().accumulatedMs = 2147480648;
        hidden.tickAt(0);
        QVERIFY(hidden.machine.messages.isEmpty());
    }

    // A running dial redraws only the area its changed drawing covers; the result must equal
    // the whole picture drawn afresh, through hand steps, rolling numerals and range changes.
    void redrawingWhatChangedEqualsDrawingAfresh() {
        Dial running;
        running->imgWatch.setDrawWidth(2);  // as the hand leaves it, so both draw the same hub
        running.tickAt(0);
        int32_t now = 0;
        const std::pair<int32_t, int32_t> steps[] = {
            {41, 1},   {42, 1},   {999, 1},   {1000, 1},  {2999, 1},  {3000, 1},  {3042, 1},
            {5999, 1}, {6000, 2}, {12345, 3}, {12400, 1}, {59999, 1}, {60000, 1}, {99500, 2}};
        for (const auto& [elapsed, range] : steps) {
            running.state().analogScale = range;
            running.machine.advance(uint32_t(elapsed - now));
            now = elapsed;
            running->tmrClock_Timer();
            Dial fresh;
            fresh.state().analogScale = range;
            fresh->imgWatch.setDrawWidth(2);
            fresh.tickAt(elapsed);
            QVERIFY2(running.image() == fresh.image(), qPrintable(QString::number(elapsed)));
        }
    }

    // Repainting the same picture on every tick must not push it to the screen again.
    void theScreenIsUpdatedOnlyWhenTheDialChanges() {
        Dial dial;
        dial->show();
        dial.tickAt(0);
        QCoreApplication::processEvents();
        const int before = dial->imgWatch.screenUpdates();
        for (int ms = 1; ms <= 1000; ++ms) {
            dial.machine.advance(1);
            dial->tmrClock_Timer();
            QCoreApplication::processEvents();
        }
        // The very first hub is outlined 1 pixel wide (the hand sets the width to 2 after it),
        // so t = 1 repaints once; then one repaint per frame step, the last at t = 1000.
        QCOMPARE(dial->imgWatch.screenUpdates() - before, 25);
    }
};

QTEST_MAIN(DialTest)
#include "tst_dial.moc"
