#include <QtTest>

#include "shell/frmStopwatch.h"
#include "support/FakeMachine.h"
#include "support/SettingsFiles.h"

namespace {

struct Start {
    FakeMachine machine;
    std::unique_ptr<frmStopwatch> form;
    explicit Start(const QByteArray& settings = kDefaultSettings, bool withSound = true) {
        writeFile(machine.dir.filePath("TamoruWatch.ini"), settings);
        if (withSound) writeFile(machine.dir.filePath("tick.wav"), "RIFF-bytes");
        form = std::make_unique<frmStopwatch>(machine.environment());
        form->Form_Load();
    }
    QList<bool> checks(std::initializer_list<platform::MenuItem*> items) const {
        QList<bool> out;
        for (auto* item : items) out << item->checked();
        return out;
    }
};

}  // namespace

class LifecycleTest : public QObject {
    Q_OBJECT
private slots:
    void aNormalStartShowsTheClearedStopwatch() {
        Start s;
        frmStopwatch& f = *s.form;
        QVERIFY(s.machine.messages.isEmpty());
        QCOMPARE(f.caption(), QStringLiteral("Tamoru Watch[秒]"));
        QCOMPARE(f.lblTime.caption(), QStringLiteral("0.000"));
        QCOMPARE(f.lstLap.listCount(), 0);
        QCOMPARE(f.cmdStart.caption(), QStringLiteral("スタート"));
        QCOMPARE(f.cmdLap.caption(), QStringLiteral("リセット"));
        QCOMPARE(f.state.running, kFalse);
        QCOMPARE(f.state.lapTimes.upperBound(), -1);
        QCOMPARE(f.state.tickSoundData, QByteArray("RIFF-bytes"));
        QCOMPARE(f.state.analogColorRgb, 255);
        QCOMPARE(f.imgWatch.width(), 3750.0);
        QCOMPARE(s.checks({&f.mnuShowSec, &f.mnuShowHMS, &f.mnuShowFrame24, &f.mnuShowSSK}),
                 (QList<bool>{true, false, false, false}));
        QCOMPARE(s.checks({&f.mnu6Sec, &f.mnu10Sec, &f.mnu30Sec}),
                 (QList<bool>{true, false, false}));
        QCOMPARE(s.checks({&f.mnuWindowApearanceNormal, &f.mnuWindowApearanceFront}),
                 (QList<bool>{true, false}));
        QCOMPARE(s.checks({&f.mnuBehaviorNormal, &f.mnuBehaviorLap}), (QList<bool>{true, false}));
        QCOMPARE(s.checks({&f.mnuSoundOn, &f.mnuSoundOff}), (QList<bool>{true, false}));
        QCOMPARE(s.checks({&f.mnuShowButton, &f.mnuShowDigitalWatch, &f.mnuShowAnalogWatch}),
                 (QList<bool>{true, true, true}));
    }

    // The start-up paints exactly the dial a Reset shows: resting numerals, hand at 12.
    void theRestingDialIsPainted() {
        Start s;
        const QImage atStart = s.form->imgWatch.image().copy();
        QCOMPARE(atStart.pixel(125, 60), qRgb(255, 0, 0));  // the hand, straight up
        Start reset;
        reset.form->imgWatch.setDrawWidth(1);  // as at start: the first hub is outlined thin
        reset.form->cmdLap_Click();
        QCOMPARE(reset.form->imgWatch.image(), atStart);
    }

    void storedValuesReachEveryMenu_data() {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("checked");
        QTest::newRow("lap mode") << QByteArray("BehaviorMode") << QByteArray("BehaviorMode=5")
                                  << "mnuBehaviorLap" << true;
        QTest::newRow("sound 2 is off")
            << QByteArray("PlaySound") << QByteArray("PlaySound=2") << "mnuSoundOff" << true;
        QTest::newRow("front") << QByteArray("WindowForceFront") << QByteArray("WindowForceFront=1")
                               << "mnuWindowApearanceFront" << true;
        QTest::newRow("window 2 keeps both marks")
            << QByteArray("WindowForceFront") << QByteArray("WindowForceFront=2")
            << "mnuWindowApearanceNormal" << true;
        QTest::newRow("10 s range checks the greyed item")
            << QByteArray("AnalogScale") << QByteArray("AnalogScale=2") << "mnu10Sec" << true;
        QTest::newRow("scale 4 keeps every mark")
            << QByteArray("AnalogScale") << QByteArray("AnalogScale=4") << "mnu30Sec" << true;
        QTest::newRow("notation 4")
            << QByteArray("LapType") << QByteArray("LapType=4") << "mnuShowSSK" << true;
        QTest::newRow("buttons hidden")
            << QByteArray("Showbutton") << QByteArray("Showbutton=0") << "mnuShowButton" << false;
        QTest::newRow("readout hidden") << QByteArray("ShowDigital") << QByteArray("ShowDigital=0")
                                        << "mnuShowDigitalWatch" << false;
        QTest::newRow("dial hidden") << QByteArray("ShowAnalog") << QByteArray("ShowAnalog=0")
                                     << "mnuShowAnalogWatch" << false;
    }
    void storedValuesReachEveryMenu() {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, line);
        QFETCH(QString, item);
        QFETCH(bool, checked);
        Start s(settingsWith(key, line));
        QAction* action = s.form->findChild<QAction*>(item);
        QVERIFY(action);
        QCOMPARE(action->isChecked(), checked);
    }

    void hiddenPanelsAreHiddenAndStacked() {
        Start s(settingsWith("ShowAnalog", "ShowAnalog=0"));
        QVERIFY(!s.form->imgWatch.visible());
        QCOMPARE(s.form->lblTime.top(), 60.0);
        QCOMPARE(s.form->lstLap.top(), 1140.0);
    }

    // A missing sound file is no error and is never created; the whole start-up still runs.
    void missingTickSoundOnlyMeansSilence() {
        Start s(settingsWith("BehaviorMode", "BehaviorMode=1"), false);
        QVERIFY(s.machine.messages.isEmpty());
        QVERIFY(!QFile::exists(s.machine.dir.filePath("tick.wav")));
        QVERIFY(s.form->state.tickSoundData.isEmpty());
        QVERIFY(s.form->mnuBehaviorLap.checked() && !s.form->mnuBehaviorNormal.checked());
        QCOMPARE(s.form->state.analogColorRgb, 255);
        s.form->cmdStart_Click();
        QCOMPARE(s.form->state.running, kTrue);
        QVERIFY(s.machine.messages.isEmpty());
    }

    void anEmptyTickSoundIsSilenceToo() {
        FakeMachine machine;
        writeFile(machine.dir.filePath("TamoruWatch.ini"), kDefaultSettings);
        writeFile(machine.dir.filePath("tick.wav"), "");
        frmStopwatch form(machine.environment());
        form.Form_Load();
        QVERIFY(machine.messages.isEmpty());
        QVERIFY(form.mnuSoundOn.checked());
    }

    void closingSavesTheSettings() {
        Start s;
        s.form->mnuShowFrame24_Click();
        s.form->mnuBehaviorLap_Click();
        s.form->mnuQuit_Click();
        const QByteArray saved = readFile(s.machine.dir.filePath("TamoruWatch.ini"));
        QVERIFY(saved.contains("\nLapType=3\n"));
        QVERIFY(saved.contains("\nBehaviorMode=1\n"));
        s.form->close();  // a second close does not save again
        QVERIFY(s.machine.messages.isEmpty());
    }

    void closingWhileRunningDiscardsTheRun() {
        Start s;
        s.form->cmdStart_Click();
        s.machine.advance(5000);
        s.form->close();
        frmStopwatch next(s.machine.environment());
        next.Form_Load();
        QCOMPARE(next.lblTime.caption(), QStringLiteral("0.000"));
        QCOMPARE(next.state.accumulatedMs, 0);
    }
};

QTEST_MAIN(LifecycleTest)
#include "tst_lifecycle.moc"
