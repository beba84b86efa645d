// The clock ticks on the frames of the display while running and on screen, slowly while
// minimised (with a tick as soon as the window is back), and not at all while stopped.
#include <QElapsedTimer>
#include <QtTest>

#include "support/LoadedWindow.h"

using std::chrono::microseconds;

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
        QCOMPARE(w->tmrClock.period(), w->tmrClock.framePeriod());
        QVERIFY(w->tmrClock.period() >= microseconds(4000));
        QVERIFY(w->tmrClock.period() <= microseconds(20000));

        w->showMinimized();
        QTRY_COMPARE(w->tmrClock.period(), microseconds(1'000'000));
        w.machine.advance(2345);
        w->showNormal();
        QTRY_COMPARE(w->tmrClock.period(), w->tmrClock.framePeriod());
        QCOMPARE(w->lblTime.caption(), QStringLiteral("2.345"));  // at once, not a second later

        w->cmdStart_Click();
        QVERIFY(!w->tmrClock.isActive());
    }

    void aimsEveryTickAtTheStartOfTheNextFrame_data() {
        QTest::addColumn<int>("sinceFirstUs");
        QTest::addColumn<int>("periodUs");
        QTest::addColumn<int>("expectedMs");
        // At 60 Hz frames start at 0, 16,667, 33,334, 50,001, 66,668 µs ...
        QTest::newRow("first frame") << 0 << 16667 << 17;
        QTest::newRow("on time, 2nd") << 17000 << 16667 << 17;
        QTest::newRow("on time, 3rd") << 34000 << 16667 << 17;
        QTest::newRow("rounding catches up") << 51000 << 16667 << 16;
        QTest::newRow("a little early still counts") << 16000 << 16667 << 18;
        QTest::newRow("just over a ms early") << 15600 << 16667 << 2;
        QTest::newRow("late: next frame, not a burst") << 30000 << 16667 << 4;
        QTest::newRow("very late: frames are skipped") << 100500 << 16667 << 17;
        QTest::newRow("144 Hz") << 7000 << 6944 << 7;
        QTest::newRow("once a second, minimised") << 2'000'300 << 1'000'000 << 1000;
    }
    void aimsEveryTickAtTheStartOfTheNextFrame() {
        QFETCH(int, sinceFirstUs);
        QFETCH(int, periodUs);
        QFETCH(int, expectedMs);
        QCOMPARE(platform::msUntilNextFrame(microseconds(sinceFirstUs), microseconds(periodUs)),
                 expectedMs);
    }

    void neverTicksMoreOftenThanTheDisplayShowsFrames() {
        // Fewer ticks than frames is only a slow machine; more is wasted work.
        LoadedWindow w(kDefaultSettings);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
        int ticks = 0;
        platform::FrameTimer timer(w.form.get(), [&ticks] { ++ticks; });
        QElapsedTimer clock;
        clock.start();
        timer.setActive(true);
        QTest::qWait(1500);
        const double frames = clock.nsecsElapsed() / 1000.0 / timer.period().count();
        QVERIFY2(ticks <= frames + 1,
                 qPrintable(QString("%1 ticks in %2 frames").arg(ticks).arg(frames)));
        QVERIFY2(ticks >= frames / 4, qPrintable(QString("only %1 ticks").arg(ticks)));
    }
};

QTEST_MAIN(FrameTimerTest)
#include "tst_frame_timer.moc"
