#include <QtTest>

#include "shell/SettingsConversion.h"
#include "shell/frmStopwatch.h"
#include "support/FakeMachine.h"
#include "support/SettingsFiles.h"

namespace {

const QString kCode106 = QStringLiteral("(CODE:106)致命的なエラー発生");

struct Run {
    FakeMachine& machine;
    frmStopwatch form;
    explicit Run(FakeMachine& m) : machine(m), form(m.environment()) { form.Form_Load(); }
    ~Run() { form.close(); }
};

QString iniPath(FakeMachine& machine) {
    return machine.dir.filePath(QStringLiteral("TamoruWatch.ini"));
}

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void conversion_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("converts");
        QTest::addColumn<int>("value");
        QTest::newRow("1") << "1" << true << 1;
        QTest::newRow("blanks around") << " \t1 " << true << 1;
        QTest::newRow("sign") << "-2" << true << -2;
        QTest::newRow("plus") << "+7" << true << 7;
        QTest::newRow("2.5 to even") << "2.5" << true << 2;
        QTest::newRow("3.5 to even") << "3.5" << true << 4;
        QTest::newRow("-2.5 to even") << "-2.5" << true << -2;
        QTest::newRow("exponent") << "1e3" << true << 1000;
        QTest::newRow("largest") << "2147483647" << true << 2147483647;
        QTest::newRow("smallest") << "-2147483648" << true << int(-2147483647 - 1);
        QTest::newRow("one too large") << "2147483648" << false << 0;
        QTest::newRow("rounds out of range") << "2147483647.5" << false << 0;
        QTest::newRow("one too small") << "-2147483649" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("ERROR") << "ERROR" << false << 0;
        QTest::newRow("two numbers") << "1 2" << false << 0;
        QTest::newRow("hex") << "0x10" << false << 0;
        QTest::newRow("trailing text") << "5px" << false << 0;
    }
    void conversion() {
        QFETCH(QString, text);
        QFETCH(bool, converts);
        QFETCH(int, value);
        if (converts) {
            QCOMPARE(SettingToInt32(text), value);
        } else {
            QVERIFY_THROWS_EXCEPTION(std::exception, SettingToInt32(text));
        }
    }

    void theShippedFileIsWrittenBackByteForByte() {
        FakeMachine machine;
        writeFile(iniPath(machine), kDefaultSettings);
        {
            Run run(machine);
            QVERIFY(machine.messages.isEmpty());
            QCOMPARE(run.form.state.analogColor, std::optional<QString>(QStringLiteral("FF0000")));
        }
        QFile::remove(iniPath(machine));
        {
            Run run(machine);  // a deleted file: one box, every field at its starting value
            QCOMPARE(machine.messages, QStringList{kCode106});
            QVERIFY(!run.form.state.analogColor.has_value());
            run.form.state = StopwatchState{};
            run.form.state.showButton = run.form.state.showDigital = run.form.state.showAnalog = 1;
            run.form.state.lapType = run.form.state.analogScale = run.form.state.playSound = 1;
            run.form.state.analogColor = QStringLiteral("FF0000");
            run.form.SaveSettings();
            QCOMPARE(readFile(iniPath(machine)), kDefaultSettings);
        }
    }

    void aRunWithoutAFileWritesZerosThenErrorIsAdded() {
        FakeMachine machine;
        { Run run(machine); }
        QCOMPARE(machine.messages, QStringList{kCode106});
        const QByteArray zeros =
            "[TamoruWatch]\nShowbutton=0\nShowDigital=0\nShowAnalog=0\nLapType=0\nAnalogScale=0\n"
            "WindowForceFront=0\nBehaviorMode=0\nPlaySound=0\n";
        QCOMPARE(readFile(iniPath(machine)), zeros);
        machine.messages.clear();
        {
            Run run(machine);
            QVERIFY(machine.messages.isEmpty());
            QCOMPARE(run.form.state.analogColor, std::optional<QString>(QStringLiteral("ERROR")));
        }
        QCOMPARE(readFile(iniPath(machine)), zeros + "AnalogColor=ERROR\n");
    }

    void aFailingKeyStopsTheLoadThere_data() {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("fieldsFilled");  // how many keys loaded before the failure
        QTest::newRow("PlaySound missing") << QByteArray("PlaySound") << QByteArray() << 8;
        QTest::newRow("Showbutton empty")
            << QByteArray("Showbutton") << QByteArray("Showbutton=") << 0;
        QTest::newRow("LapType not a number")
            << QByteArray("LapType") << QByteArray("LapType=two") << 3;
        QTest::newRow("AnalogScale too large")
            << QByteArray("AnalogScale") << QByteArray("AnalogScale=99999999999") << 4;
    }
    void aFailingKeyStopsTheLoadThere() {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, line);
        QFETCH(int, fieldsFilled);
        FakeMachine machine;
        writeFile(iniPath(machine), settingsWith(key, line));
        frmStopwatch form(machine.environment());
        form.LoadSettings();
        QCOMPARE(machine.messages, QStringList{kCode106});
        const StopwatchState& s = form.state;
        const QList<bool> filled{s.showButton == 1,
                                 s.showDigital == 1,
                                 s.showAnalog == 1,
                                 s.lapType == 1,
                                 s.analogScale == 1,
                                 s.analogColor.has_value(),
                                 false,
                                 false,
                                 s.playSound == 1};
        for (int i = 0; i < 9; ++i) {
            if (i == 6 || i == 7) continue;  // WindowForceFront and BehaviorMode load as 0 anyway
            QCOMPARE(filled[i], i < fieldsFilled);
        }
    }

    void valuesLoadAndSaveBack_data() {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("savedLine");  // empty: the key is not in the saved file
        QTest::newRow("no colour")
            << QByteArray("AnalogColor") << QByteArray() << QByteArray("AnalogColor=ERROR");
        QTest::newRow("empty colour") << QByteArray("AnalogColor") << QByteArray("AnalogColor=")
                                      << QByteArray("AnalogColor=");
        QTest::newRow("lap type 7")
            << QByteArray("LapType") << QByteArray("LapType=7") << QByteArray("LapType=7");
        QTest::newRow("scale -2") << QByteArray("AnalogScale") << QByteArray("AnalogScale=-2")
                                  << QByteArray("AnalogScale=-2");
        QTest::newRow("blanks around 1") << QByteArray("ShowAnalog") << QByteArray("ShowAnalog= 1 ")
                                         << QByteArray("ShowAnalog=1");
        QTest::newRow("2.5") << QByteArray("LapType") << QByteArray("LapType=2.5")
                             << QByteArray("LapType=2");
        QTest::newRow("3.5") << QByteArray("LapType") << QByteArray("LapType=3.5")
                             << QByteArray("LapType=4");
        QTest::newRow("behaviour 5 is lap mode")
            << QByteArray("BehaviorMode") << QByteArray("BehaviorMode=5")
            << QByteArray("BehaviorMode=1");
        QTest::newRow("sound 2 is off")
            << QByteArray("PlaySound") << QByteArray("PlaySound=2") << QByteArray("PlaySound=0");
        QTest::newRow("window 2 stays")
            << QByteArray("WindowForceFront") << QByteArray("WindowForceFront=2")
            << QByteArray("WindowForceFront=2");
    }
    void valuesLoadAndSaveBack() {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, savedLine);
        FakeMachine machine;
        writeFile(iniPath(machine), settingsWith(key, line));
        { Run run(machine); }
        QVERIFY(machine.messages.isEmpty());
        const QList<QByteArray> saved = readFile(iniPath(machine)).split('\n');
        QVERIFY2(saved.contains(savedLine), readFile(iniPath(machine)).constData());
    }

    void negativeFieldsAreWrittenWithTheirSign() {
        FakeMachine machine;
        writeFile(iniPath(machine), kDefaultSettings);
        frmStopwatch form(machine.environment());
        form.LoadSettings();
        form.state.lapType = -1;
        form.state.analogScale = -2147483647 - 1;
        form.SaveSettings();
        const QByteArray saved = readFile(iniPath(machine));
        QVERIFY(saved.contains("\nLapType=-1\n"));
        QVERIFY(saved.contains("\nAnalogScale=-2147483648\n"));
    }

    void aReadOnlyFileIsLeftAsItIs() {
        FakeMachine machine;
        const QByteArray edited = settingsWith("LapType", "LapType=3");
        writeFile(iniPath(machine), edited);
        QFile::setPermissions(iniPath(machine), QFile::ReadOwner | QFile::ReadGroup);
        {
            Run run(machine);
            run.form.mnuShowSec_Click();
        }
        QVERIFY(machine.messages.isEmpty());
        QCOMPARE(readFile(iniPath(machine)), edited);
    }
};

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
