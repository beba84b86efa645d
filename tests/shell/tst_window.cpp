#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QtTest>

#include "shell/frmStopwatch.h"
#include "support/FakeMachine.h"

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void menuTreeAsCreated_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("enabled");
        auto row = [](const char* name, const char* parent, const char* caption, bool checked,
                      bool enabled) {
            QTest::newRow(name) << QString::fromUtf8(name) << QString::fromUtf8(parent)
                                << QString::fromUtf8(caption) << checked << enabled;
        };
        row("mnuQuit", "mnuFile", "終了", false, true);
        row("mnuBehaviorNormal", "mnuBehaviorMode", "通常", true, true);
        row("mnuBehaviorLap", "mnuBehaviorMode", "ﾗｯﾌﾟ計測", true, true);
        row("mnuSoundOn", "mnuSound", "する", true, true);
        row("mnuSoundOff", "mnuSound", "しない", true, true);
        row("mnuShowButton", "mnuShowWatch", "ﾎﾞﾀﾝ", true, true);
        row("mnuShowDigitalWatch", "mnuShowWatch", "ﾃﾞｼﾞﾀﾙ計", true, true);
        row("mnuShowAnalogWatch", "mnuShowWatch", "ｱﾅﾛｸﾞ計", true, true);
        row("mnuShowSec", "mnuShowMode", "秒", true, true);
        row("mnuShowHMS", "mnuShowMode", "時分秒", true, true);
        row("mnuShowFrame24", "mnuShowMode", "ｺﾏ数", true, true);
        row("mnuShowSSK", "mnuShowMode", "ｼｰﾄ:秒:ｺﾏ", true, true);
        row("mnu6Sec", "mnuSecond", "6秒", true, true);
        row("mnu10Sec", "mnuSecond", "10秒", true, false);
        row("mnu30Sec", "mnuSecond", "30秒", true, false);
        row("mnuWindowApearanceNormal", "mnuWindowApearance", "通常表示", true, true);
        row("mnuWindowApearanceFront", "mnuWindowApearance", "常に手前に表示", true, true);
        row("mnuShowHelp", "mnuHelp", "ﾍﾙﾌﾟ", false, false);
        row("mnuBehaviorMode", "mnuSetting", "動作ﾓｰﾄﾞ", false, true);
        row("mnuSound", "mnuSetting", "動作音", false, true);
        row("mnuShowWatch", "mnuSetting", "表示", false, true);
        row("mnuShowMode", "mnuSetting", "ﾗｯﾌﾟ表示形式", false, true);
        row("mnuSecond", "mnuSetting", "ｱﾅﾛｸﾞ秒数", false, true);
    }
    void menuTreeAsCreated() {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QString, caption);
        QFETCH(bool, checked);
        QFETCH(bool, enabled);
        FakeMachine machine;
        frmStopwatch form(machine.environment());
        QMenu* parentMenu = form.findChild<QMenu*>(parent);
        QVERIFY(parentMenu);
        QAction* found = nullptr;
        for (QAction* action : parentMenu->actions()) {
            if (action->objectName() == name) found = action;
        }
        QVERIFY2(found, qPrintable(name + " is not under " + parent));
        QCOMPARE(found->text(), caption);
        QCOMPARE(found->isChecked(), checked);
        QCOMPARE(found->isEnabled(), enabled);
    }

    void menuBarReadsInOrder() {
        FakeMachine machine;
        frmStopwatch form(machine.environment());
        QStringList titles;
        for (QAction* action : form.menuBar()->actions()) titles << action->text();
        QCOMPARE(titles, (QStringList{QStringLiteral("ﾌｧｲﾙ"), QStringLiteral("設定"),
                                      QStringLiteral("ｳｨﾝﾄﾞｳ"), QStringLiteral("ﾍﾙﾌﾟ")}));
    }

    void aDisabledItemCannotBeChosen() {
        FakeMachine machine;
        frmStopwatch form(machine.environment());
        form.Form_Load();
        form.mnu10Sec.trigger();
        QVERIFY(form.mnu6Sec.checked());  // nothing ran
    }

    void controlsAtTheirDesignPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("imgNumber")
            << "imgNumber" << QRect(180, 2880, 2655, 555) << QRect(12, 192, 177, 37);
        QTest::newRow("cmdLap") << "cmdLap" << QRect(2040, 4500, 1755, 495)
                                << QRect(136, 300, 117, 33);
        QTest::newRow("lstLap") << "lstLap" << QRect(60, 5040, 3735, 975) << QRect(4, 336, 249, 65);
        QTest::newRow("cmdStart") << "cmdStart" << QRect(60, 4500, 1755, 495)
                                  << QRect(4, 300, 117, 33);
        QTest::newRow("imgWatch") << "imgWatch" << QRect(60, 60, 3750, 3750)
                                  << QRect(4, 4, 250, 250);
        QTest::newRow("lblTime") << "lblTime" << QRect(60, 3900, 3735, 495)
                                 << QRect(4, 260, 249, 33);
    }
    void controlsAtTheirDesignPlaces() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QRect, pixels);
        FakeMachine machine;
        frmStopwatch form(machine.environment());
        const std::map<QString, const platform::Control*> controls{
            {"imgNumber", &form.imgNumber}, {"cmdLap", &form.cmdLap},
            {"lstLap", &form.lstLap},       {"cmdStart", &form.cmdStart},
            {"imgWatch", &form.imgWatch},   {"lblTime", &form.lblTime}};
        const platform::Control* control = controls.at(name);
        QCOMPARE(QRect(int(control->left()), int(control->top()), int(control->width()),
                       int(control->height())),
                 twips);
        QCOMPARE(control->widget()->geometry(), pixels);
        QCOMPARE(control->widget()->parentWidget(), form.clientArea());
    }

    void windowAsCreated() {
        FakeMachine machine;
        frmStopwatch form(machine.environment());
        QCOMPARE(form.caption(), QStringLiteral("Tamoruｽﾄｯﾌﾟｳｫｯﾁ"));
        QCOMPARE(form.clientArea()->size(), QSize(258, 420));
        QCOMPARE(form.lblTime.caption(), QStringLiteral("Label1"));
        QCOMPARE(form.cmdStart.caption(), QStringLiteral("スタート"));
        QCOMPARE(form.cmdLap.caption(), QStringLiteral("リセット"));
        QVERIFY(!form.imgNumber.visible());
        form.show();
        QVERIFY(!form.imgNumber.widget()->isVisible());
        QVERIFY(form.imgWatch.widget()->isVisible());
        form.Form_Load();
        QCOMPARE(form.caption(), QStringLiteral("Tamoru Watch"));
        QCOMPARE(form.lblTime.caption(), QStringLiteral("0.000"));
    }

    // The lap columns line up only if a full-width character is exactly two half-width ones
    // in the font the list really gets.
    void listAndReadoutFontsKeepTwoColumnFullWidth() {
        FakeMachine machine;
        frmStopwatch form(machine.environment());
        for (QWidget* widget : {form.lstLap.widget(), form.lblTime.widget()}) {
            const QFont font = widget->font();
            const QFontMetricsF metrics(font);
            const qreal half = metrics.horizontalAdvance(u' ');
            QVERIFY2(half > 0, qPrintable(QFontInfo(font).family()));
            for (QChar narrow : {u'0', u'9', u':', u'K', u',', u'.', u'[', u']'}) {
                QCOMPARE(metrics.horizontalAdvance(narrow), half);
            }
            for (QChar wide : {u'\u3000', u'秒', u'時', u'分', u'コ', u'マ'}) {
                QCOMPARE(metrics.horizontalAdvance(wide), 2 * half);
            }
        }
        QCOMPARE(form.lstLap.widget()->font().pointSizeF(), 15.75);
        QCOMPARE(form.lblTime.widget()->font().pointSizeF(), 18.0);
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
