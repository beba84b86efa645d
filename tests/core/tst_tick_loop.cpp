#include <QtTest>

#include "support/LoadedWindow.h"

class TickLoopTest : public QObject {
    Q_OBJECT
private slots:
    void readoutShowsGroupedSecondsWithThreeDecimals_data() {
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<QString>("readout");
        QTest::newRow("0") << 0 << QStringLiteral("0.000");
        QTest::newRow("5 ms") << 5 << QStringLiteral("0.005");
        QTest::newRow("999 ms") << 999 << QStringLiteral("0.999");
        QTest::newRow("61.234 s") << 61234 << QStringLiteral("61.234");
        QTest::newRow("1,000 s") << 1000000 << QStringLiteral("1,000.000");
        QTest::newRow("1,234.567 s") << 1234567 << QStringLiteral("1,234.567");
    }
    void readoutShowsGroupedSecondsWithThreeDecimals() {
        QFETCH(int, elapsed);
        QFETCH(QString, readout);
        LoadedWindow w;
        w.state().showDigital = 1;
        w->cmdStart_Click();
        w.machine.advance(uint32_t(elapsed));
        w->tmrClock_Timer();
        QCOMPARE(w->lblTime.caption(), readout);
    }

    void aResumedRunCountsOnFromTheAccumulatedTime() {
        LoadedWindow w;
        w.state().showDigital = 1;
        w->cmdStart_Click();
        w.machine.advance(1200);
        w->cmdStart_Click();
        w.machine.advance(5000);
        w->tmrClock_Timer();
        QCOMPARE(w->lblTime.caption(), QStringLiteral("0.000"));  // stopped: ticks do nothing
        w->cmdStart_Click();
        w.machine.advance(34);
        w->tmrClock_Timer();
        QCOMPARE(w->lblTime.caption(), QStringLiteral("1.234"));
    }

    void hiddenReadoutIsNotUpdated() {
        LoadedWindow w;
        w.state().showDigital = 0;
        w->cmdStart_Click();
        w.machine.advance(800);
        w->tmrClock_Timer();
        QCOMPARE(w->lblTime.caption(), QStringLiteral("0.000"));
        w.state().showDigital = 1;
        w.machine.advance(1);
        w->tmrClock_Timer();
        QCOMPARE(w->lblTime.caption(), QStringLiteral("0.801"));
    }

    void stopFreezesTheLastTickedReadout() {
        LoadedWindow w;
        w.state().showDigital = 1;
        w->cmdStart_Click();
        w.machine.advance(300);
        w->tmrClock_Timer();
        w.machine.advance(10);
        w->cmdStart_Click();
        w.machine.advance(1000);
        w->tmrClock_Timer();
        QCOMPARE(w->lblTime.caption(), QStringLiteral("0.300"));
    }

    // A run past the 32-bit limit fails on every tick; the box shows once per run.
    void overflowIsReportedOncePerRun() {
        LoadedWindow w;
        w.state().showDigital = 1;
        w.state().accumulatedMs = 2147483000;
        w->cmdStart_Click();
        w.machine.advance(600);
        w->tmrClock_Timer();
        QCOMPARE(w->lblTime.caption(), QStringLiteral("2,147,483.600"));
        w.machine.advance(100);
        for (int i = 0; i < 50; ++i) w->tmrClock_Timer();
        QCOMPARE(w.machine.messages, QStringList{QStringLiteral("(CODE:013)致命的なエラー発生")});
        w->cmdStart_Click();  // the stop fails too (003), then a new run may report again
        w->cmdStart_Click();
        w.machine.advance(1000);
        w->tmrClock_Timer();
        QCOMPARE(w.machine.messages.count(QStringLiteral("(CODE:013)致命的なエラー発生")), 2);
    }

    // A modal box runs a nested event loop in which the timer keeps firing: a failing tick
    // there must not open a second box on top of the first.
    void noTickBoxWhileAnotherBoxIsOpen() {
        FakeMachine machine;
        QStringList shown;
        frmStopwatch* formPtr = nullptr;
        platform::Environment env = machine.environment();
        env.showCriticalMessage = [&](const QString& text) {
            shown << text;
            if (shown.size() == 1) formPtr->tmrClock_Timer();  // a tick while the box is open
        };
        frmStopwatch form(env);
        formPtr = &form;
        form.Form_Load();
        shown.clear();
        form.state.showDigital = 1;
        form.state.accumulatedMs = 2147483000;
        form.cmdStart_Click();
        machine.advance(700);
        form.cmdLap_Click();
        QCOMPARE(shown, QStringList{QStringLiteral("(CODE:002)致命的なエラー発生")});
    }
};

QTEST_MAIN(TickLoopTest)
#include "tst_tick_loop.moc"
