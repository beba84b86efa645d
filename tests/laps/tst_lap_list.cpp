#include <QtTest>

#include "support/LoadedWindow.h"

namespace {
struct NotationItems {
    bool sec, hms, frames, ssk;
};
NotationItems checks(frmStopwatch& form) {
    return {form.mnuShowSec.checked(), form.mnuShowHMS.checked(), form.mnuShowFrame24.checked(),
            form.mnuShowSSK.checked()};
}
}  // namespace

class LapListTest : public QObject {
    Q_OBJECT
private slots:
    void choosingANotationSetsTitleChecksAndLapType_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("lapType");
        QTest::addColumn<QString>("title");
        QTest::newRow("seconds") << "mnuShowSec" << 1 << QStringLiteral("Tamoru Watch[秒]");
        QTest::newRow("h/m/s") << "mnuShowHMS" << 2 << QStringLiteral("Tamoru Watch[時分秒]");
        QTest::newRow("frames") << "mnuShowFrame24" << 3 << QStringLiteral("Tamoru Watch[コマ数]");
        QTest::newRow("sheet") << "mnuShowSSK" << 4 << QStringLiteral("Tamoru Watch[ﾌﾚｰﾑ:秒:ｺﾏ]");
    }
    void choosingANotationSetsTitleChecksAndLapType() {
        QFETCH(QString, item);
        QFETCH(int, lapType);
        QFETCH(QString, title);
        LoadedWindow w;
        QAction* action = w->findChild<QAction*>(item);
        QVERIFY(action);
        action->trigger();
        QCOMPARE(w->caption(), title);
        QCOMPARE(w.state().lapType, lapType);
        const NotationItems c = checks(*w.form);
        QCOMPARE((QList<bool>{c.sec, c.hms, c.frames, c.ssk}),
                 (QList<bool>{lapType == 1, lapType == 2, lapType == 3, lapType == 4}));
        QCOMPARE(w->lstLap.listCount(), 0);  // nothing recorded, nothing shown
    }

    void lapsShowAsCumulativeSplitsAndSwitchNotation() {
        LoadedWindow w;
        w->mnuShowSec_Click();
        w->cmdStart_Click();
        w.machine.advance(1500);
        w->cmdLap_Click();
        w.machine.advance(1700);
        w->cmdLap_Click();
        QCOMPARE(w.listLines(),
                 (QStringList{QStringLiteral("     1.500 秒"), QStringLiteral("     3.200 秒")}));
        QCOMPARE(w->lstLap.listIndex(), 1);
        w->mnuShowFrame24.trigger();
        QCOMPARE(w.listLines(),
                 (QStringList{QStringLiteral("    35 コマ"), QStringLiteral("    76 コマ")}));
        QCOMPARE(w->lstLap.listIndex(), 1);
        w->lstLap.setListIndex(0);
        w->mnuShowFrame24_Click();  // the notation in force: same lines, newest current again
        QCOMPARE(w.listLines().size(), 2);
        QCOMPARE(w->lstLap.listIndex(), 1);
    }

    void outOfRangeNotationIsIgnoredUntilOneIsPicked() {
        LoadedWindow w;
        w.state().lapType = 5;
        w->SetLapType(5);
        QCOMPARE(w->caption(), QStringLiteral("Tamoru Watch"));
        const NotationItems c = checks(*w.form);
        QVERIFY(c.sec && c.hms && c.frames && c.ssk);  // the design-time marks stay
        w->cmdStart_Click();
        w.machine.advance(1000);
        w->cmdLap_Click();
        w.machine.advance(1000);
        w->cmdLap_Click();
        QCOMPARE(w->lstLap.listCount(), 0);
        w->mnuShowHMS_Click();
        QCOMPARE(w.listLines(), (QStringList{QStringLiteral("  　  　 1秒000"),
                                             QStringLiteral("  　  　 2秒000")}));
    }

    void afterResetPickingANotationLeavesTheListEmpty() {
        LoadedWindow w;
        w->mnuShowSec_Click();
        w->cmdStart_Click();
        w.machine.advance(100);
        w->cmdStart_Click();
        QCOMPARE(w->lstLap.listCount(), 1);
        w->cmdLap_Click();
        QCOMPARE(w->caption(), QStringLiteral("Tamoru Watch[秒]"));
        QCOMPARE(w.state().lapType, 1);
        w->mnuShowSSK_Click();
        QCOMPARE(w->lstLap.listCount(), 0);
    }

    void aStopAlsoReappliesTitleAndChecks() {
        LoadedWindow w;
        w.state().lapType = 4;
        w->cmdStart_Click();
        w.machine.advance(6000);
        w->cmdStart_Click();
        QCOMPARE(w->caption(), QStringLiteral("Tamoru Watch[ﾌﾚｰﾑ:秒:ｺﾏ]"));
        QVERIFY(w->mnuShowSSK.checked() && !w->mnuShowSec.checked());
        QCOMPARE(w.listLines(), QStringList{QStringLiteral("  1: 0: 0K [  6: 0K]")});
    }
};

QTEST_MAIN(LapListTest)
#include "tst_lap_list.moc"
