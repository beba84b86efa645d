#include <QtTest>

#include "core/Elapsed.h"
#include "laps/TimeNotations.h"
#include "support/LoadedWindow.h"

using Laps = std::vector<int32_t>;

class EngineTest : public QObject {
    Q_OBJECT
private slots:
    void theRecordIsAbsentUntilStartUpEmptiesIt() {
        FakeMachine machine;
        frmStopwatch form(machine.environment());
        QVERIFY(!form.state.lapTimes.allocated());
        form.Form_Load();
        QCOMPARE(form.state.lapTimes.upperBound(), -1);
        QCOMPARE(form.state.lapTimes.lowerBound(), -1);
        form.state.lapTimes.append(5);
        QCOMPARE(form.state.lapTimes.lowerBound(), 0);
        QCOMPARE(form.state.lapTimes.upperBound(), 0);
    }

    void startStopResumeAccumulates() {
        LoadedWindow w;
        w->SetLapType(1);
        w->cmdStart_Click();
        QCOMPARE(w.state().running, kTrue);
        QCOMPARE(w->cmdStart.caption(), QStringLiteral("ストップ"));
        QCOMPARE(w->cmdLap.caption(), QStringLiteral("ラップ"));
        w.machine.advance(1500);
        w->cmdStart_Click();
        QCOMPARE(w.state().running, kFalse);
        QCOMPARE(w->cmdStart.caption(), QStringLiteral("スタート"));
        QCOMPARE(w->cmdLap.caption(), QStringLiteral("リセット"));
        QCOMPARE(w.state().accumulatedMs, 1500);
        w.machine.advance(10000);  // time while stopped does not count
        w->cmdStart_Click();
        w.machine.advance(2000);
        w->cmdStart_Click();
        QCOMPARE(w.laps(), (Laps{1500, 3500}));
        QCOMPARE(w.state().accumulatedMs, 3500);
        QCOMPARE(w->lstLap.listCount(), 2);
        QVERIFY(w.machine.messages.isEmpty());
    }

    void lapsAreCumulativeSplitsAndLeaveTheRunAlone() {
        LoadedWindow w;
        w->SetLapType(1);
        w->cmdStart_Click();
        const int32_t startTick = w.state().startTick;
        w.machine.advance(1000);
        w->cmdLap_Click();
        QCOMPARE(w.state().accumulatedMs, 0);
        QCOMPARE(w.state().startTick, startTick);
        w.machine.advance(1000);
        w->cmdLap_Click();
        w.machine.advance(1000);
        w->cmdStart_Click();
        QCOMPARE(w.laps(), (Laps{1000, 2000, 3000}));
        QCOMPARE(w.state().accumulatedMs, 3000);
        QCOMPARE(w.listLines(),
                 (QStringList{QStringLiteral("     1.000 秒"), QStringLiteral("     2.000 秒"),
                              QStringLiteral("     3.000 秒")}));
    }

    void lapWhileStoppedResetsEverything() {
        LoadedWindow w;
        w.state().showDigital = 1;
        w->SetLapType(1);
        w->cmdStart_Click();
        w.machine.advance(2500);
        w->tmrClock_Timer();
        w->cmdStart_Click();
        QCOMPARE(w->lblTime.caption(), QStringLiteral("2.500"));
        w->cmdLap_Click();
        QCOMPARE(w.state().lapTimes.upperBound(), -1);
        QCOMPARE(w.state().accumulatedMs, 0);
        QCOMPARE(w->lstLap.listCount(), 0);
        QCOMPARE(w->lblTime.caption(), QStringLiteral("0.000"));
        QCOMPARE(w->cmdStart.caption(), QStringLiteral("スタート"));
        QCOMPARE(w->cmdLap.caption(), QStringLiteral("リセット"));
        w->cmdStart_Click();
        w.machine.advance(700);
        w->cmdStart_Click();
        QCOMPARE(w.laps(), (Laps{700}));
    }

    void resetWithNothingMeasuredKeepsTheClearedState() {
        LoadedWindow w;
        w->cmdLap_Click();
        QCOMPARE(w.state().running, kFalse);
        QCOMPARE(w.state().lapTimes.upperBound(), -1);
        QCOMPARE(w.state().accumulatedMs, 0);
        QVERIFY(w.machine.messages.isEmpty());
    }

    void lapTypeOutsideTheNotationsRecordsButDoesNotRebuild() {
        for (int32_t lapType : {0, 5, -1}) {
            LoadedWindow w;
            w.state().lapType = lapType;
            w->cmdStart_Click();
            w.machine.advance(400);
            w->cmdLap_Click();
            w.machine.advance(400);
            w->cmdStart_Click();
            QCOMPARE(w.laps(), (Laps{400, 800}));
            QCOMPARE(w->lstLap.listCount(), 0);
            QCOMPARE(w->caption(), QStringLiteral("Tamoru Watch"));
        }
    }

    // The counter passing into its negative half or wrapping to 0 during a run must not lose
    // the run: the difference is taken modulo 2^32.
    void counterSignChangeAndWrapAreExact_data() {
        QTest::addColumn<uint>("startAt");
        QTest::newRow("into the negative half") << 0x7FFFFF00u;
        QTest::newRow("wrap to zero") << 0xFFFFFF00u;
    }
    void counterSignChangeAndWrapAreExact() {
        QFETCH(uint, startAt);
        LoadedWindow w;
        w->SetLapType(1);
        w.state().showDigital = 1;
        w.machine.now = startAt;
        w->cmdStart_Click();
        w.machine.advance(0x200);
        w->cmdLap_Click();
        w->tmrClock_Timer();
        w.machine.advance(0x100);
        w->cmdStart_Click();
        QCOMPARE(w.laps(), (Laps{0x200, 0x300}));
        QCOMPARE(w->lblTime.caption(), QStringLiteral("0.512"));
        QVERIFY(w.machine.messages.isEmpty());
    }

    void elapsedArithmetic_data() {
        QTest::addColumn<uint>("now");
        QTest::addColumn<int>("startTick");
        QTest::addColumn<int>("accumulated");
        QTest::addColumn<int>("expected");  // -1: overflow
        QTest::newRow("plain") << 5000u << 1000 << 250 << 4250;
        QTest::newRow("sign change") << 0x80000010u << 0x7FFFFFF0 << 0 << 0x20;
        QTest::newRow("wrap") << 0x10u << int(0xFFFFFFF0u) << 7 << 0x27;
        QTest::newRow("largest") << 2147483647u << 0 << 0 << 2147483647;
        QTest::newRow("difference too long") << 2147483648u << 0 << 0 << -1;
        QTest::newRow("sum too long") << 1000u << 0 << 2147483000 << -1;
    }
    void elapsedArithmetic() {
        QFETCH(uint, now);
        QFETCH(int, startTick);
        QFETCH(int, accumulated);
        QFETCH(int, expected);
        if (expected < 0) {
            QVERIFY_THROWS_EXCEPTION(std::exception, elapsedMs(now, startTick, accumulated));
        } else {
            QCOMPARE(elapsedMs(now, startTick, accumulated), expected);
        }
    }

    void lapPastTheLimitFailsWith002AndAddsNothing() {
        LoadedWindow w;
        w->SetLapType(1);
        w.state().accumulatedMs = 2147483000;
        w->cmdStart_Click();
        w.machine.advance(500);
        w->cmdLap_Click();
        QCOMPARE(w.laps(), (Laps{2147483500}));
        w.machine.advance(500);
        w->cmdLap_Click();
        QCOMPARE(w.machine.messages, QStringList{QStringLiteral("(CODE:002)致命的なエラー発生")});
        QCOMPARE(w.laps(), (Laps{2147483500}));
        QCOMPARE(w->lstLap.listCount(), 1);
        QCOMPARE(w.state().running, kTrue);
    }

    void stopPastTheLimitFailsWith003ButStillStops() {
        LoadedWindow w;
        w.state().accumulatedMs = 2147483000;
        w->cmdStart_Click();
        w.machine.advance(1000);
        w->cmdStart_Click();
        QCOMPARE(w.machine.messages, QStringList{QStringLiteral("(CODE:003)致命的なエラー発生")});
        QCOMPARE(w.state().running, kFalse);
        QCOMPARE(w.state().lapTimes.upperBound(), -1);
        QCOMPARE(w.state().accumulatedMs, 2147483000);
        QCOMPARE(w->cmdStart.caption(), QStringLiteral("スタート"));
    }

    void behaviourModeMenu_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("normalChecked");
        QTest::addColumn<bool>("lapChecked");
        QTest::addColumn<int>("stored");
        QTest::newRow("normal") << 0 << true << false << 0;
        QTest::newRow("lap") << 1 << false << true << 1;
        QTest::newRow("other value changes nothing") << 2 << true << false << 77;
    }
    void behaviourModeMenu() {
        QFETCH(int, mode);
        QFETCH(bool, normalChecked);
        QFETCH(bool, lapChecked);
        QFETCH(int, stored);
        LoadedWindow w;  // loaded in normal mode
        w.state().behaviorMode = 77;
        w->ApplyBehaviorMode(mode);
        QCOMPARE(w->mnuBehaviorNormal.checked(), normalChecked);
        QCOMPARE(w->mnuBehaviorLap.checked(), lapChecked);
        QCOMPARE(w.state().behaviorMode, stored);
    }

    void behaviourMenuItemsRouteToTheirMode() {
        LoadedWindow w;
        w->mnuBehaviorLap.trigger();
        QCOMPARE(w.state().behaviorMode, 1);
        QVERIFY(!w->mnuBehaviorNormal.checked());
        QVERIFY(w->mnuBehaviorLap.checked());
        w->mnuBehaviorNormal.trigger();
        QCOMPARE(w.state().behaviorMode, 0);
        QVERIFY(w->mnuBehaviorNormal.checked());
        QVERIFY(!w->mnuBehaviorLap.checked());
    }

    void theButtonsDriveTheEngine() {
        LoadedWindow w;
        w->show();
        QTest::mouseClick(w->cmdStart.widget(), Qt::LeftButton);
        QCOMPARE(w.state().running, kTrue);
        w.machine.advance(250);
        QTest::mouseClick(w->cmdLap.widget(), Qt::LeftButton);
        QTest::mouseClick(w->cmdStart.widget(), Qt::LeftButton);
        QCOMPARE(w.laps(), (Laps{250, 250}));
    }

    // Past 32,767 laps the list keeps every line and the newest stays current.
    void moreLapsThanASixteenBitListCountHolds() {
        LoadedWindow w;
        w->SetLapType(3);
        for (int i = 0; i < 32800; ++i) w.state().lapTimes.append(i);
        w->cmdStart_Click();
        w->cmdLap_Click();
        QCOMPARE(w->lstLap.listCount(), 32801);
        QCOMPARE(w->lstLap.listIndex(), 32800);
        QCOMPARE(w->lstLap.list(32799), FormatLapFrame24(32799));
    }
};

QTEST_MAIN(EngineTest)
#include "tst_engine.moc"
