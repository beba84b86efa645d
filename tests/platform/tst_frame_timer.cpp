// The clock ticks per display frame while running and on screen, slowly while minimised (with
// a tick as soon as the window is back), and not at all while stopped.
#include <QtTest>

#include "support/LoadedWindow.h"

class FrameTimerTest : public QObject {
    Q_OBJECT

private slots:
    void pacesTheClockByWhatCanBeSeen() {
        LoadedWindow w(kDefaultSettings);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
        QVERIFY(!w->tmrClock.isActive());

        w->cmdStart_Click();
        QVERIFY(w->tmrClock.isActive());
        QCOMPARE(w->tmrClock.intervalMs(), platform::displayFrameIntervalMs());
        QVERIFY(w->tmrClock.intervalMs() >= 4 && w->tmrClock.intervalMs() <= 20);

        w->showMinimized();
        QTRY_COMPARE(w->tmrClock.intervalMs(), 1000);
        w.machine.advance(2345);
        w->showNormal();
        QTRY_COMPARE(w->tmrClock.intervalMs(), platform::displayFrameIntervalMs());
        QCOMPARE(w->lblTime.caption(), QStringLiteral("2.345"));  // at once, not a second later

        w->cmdStart_Click();
        QVERIFY(!w->tmrClock.isActive());
    }
};

QTEST_MAIN(FrameTimerTest)
#include "tst_frame_timer.moc"
