#include <QtTest>

#include "shell/LayoutTable.h"
#include "shell/frmStopwatch.h"
#include "support/DialProbe.h"
#include "support/FakeMachine.h"
#include "support/SettingsFiles.h"

namespace {

struct Window {
    FakeMachine machine;
    frmStopwatch form{(writeFile(machine.dir.filePath("TamoruWatch.ini"), kDefaultSettings),
                       machine.environment())};
    Window() { form.Form_Load(); }
    PanelTops tops() const {
        return {int(form.imgWatch.top()), int(form.lblTime.top()), int(form.cmdStart.top()),
                int(form.cmdLap.top()), int(form.lstLap.top())};
    }
};

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void everyCombinationOfPanels_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("digital");
        QTest::addColumn<int>("analog");
        QTest::addColumn<QList<int>>("tops");
        auto row = [](int b, int d, int a, QList<int> tops) {
            QTest::addRow("button %d digital %d analog %d", b, d, a) << b << d << a << tops;
        };
        row(0, 0, 0, {0, 0, 0, 0, 60});
        row(0, 0, 1, {60, 0, 0, 0, 3900});
        row(0, 1, 0, {0, 60, 0, 0, 600});
        row(0, 1, 1, {60, 3900, 0, 0, 4440});
        row(1, 0, 0, {0, 0, 60, 60, 600});
        row(1, 0, 1, {60, 0, 3900, 3900, 4440});
        row(1, 1, 0, {0, 60, 600, 600, 1140});
        row(1, 1, 1, {60, 3900, 4450, 4450, 4980});
    }
    void everyCombinationOfPanels() {
        QFETCH(int, button);
        QFETCH(int, digital);
        QFETCH(int, analog);
        QFETCH(QList<int>, tops);
        Window w;
        if (!button) w.form.mnuShowButton_Click();
        if (!digital) w.form.mnuShowDigitalWatch_Click();
        if (!analog) w.form.mnuShowAnalogWatch_Click();
        const PanelTops t = w.tops();
        QCOMPARE((QList<int>{t.imgWatch, t.lblTime, t.cmdStart, t.cmdLap, t.lstLap}), tops);
        QCOMPARE(w.form.cmdStart.visible(), bool(button));
        QCOMPARE(w.form.cmdLap.visible(), bool(button));
        QCOMPARE(w.form.lblTime.visible(), bool(digital));
        QCOMPARE(w.form.imgWatch.visible(), bool(analog));
        QCOMPARE((QList<int>{w.form.state.showButton, w.form.state.showDigital,
                             w.form.state.showAnalog}),
                 (QList<int>{button, digital, analog}));
        QCOMPARE(w.form.mnuShowButton.checked(), bool(button));
        QCOMPARE(w.form.mnuShowDigitalWatch.checked(), bool(digital));
        QCOMPARE(w.form.mnuShowAnalogWatch.checked(), bool(analog));
        QVERIFY(!w.form.imgNumber.visible());
        QCOMPARE(w.form.lstLap.height(), w.form.clientHeight() - tops[4] - kListBottomMargin);
    }

    void hidingTheDialGivesItsSpaceToTheList() {
        Window w;
        const double before = w.form.lstLap.height();
        w.form.mnuShowAnalogWatch_Click();
        QCOMPARE(w.tops().lblTime, 60);
        QCOMPARE(w.tops().cmdStart, 600);
        QCOMPARE(w.tops().lstLap, 1140);
        QCOMPARE(w.form.lstLap.height() - before, 3840.0);
    }

    void listHeightRule_data() {
        QTest::addColumn<double>("client");
        QTest::addColumn<double>("top");
        QTest::addColumn<std::optional<double>>("height");
        QTest::newRow("design window") << 6300.0 << 4980.0 << std::optional(1260.0);
        QTest::newRow("exactly the margin left") << 5040.0 << 4980.0 << std::optional(0.0);
        QTest::newRow("less than the margin: no list")
            << 5000.0 << 4980.0 << std::optional<double>();
        QTest::newRow("one twip: no list") << 4981.0 << 4980.0 << std::optional<double>();
        QTest::newRow("ends at the top") << 4980.4 << 4980.0 << std::optional(1000.0);
        QTest::newRow("above the top") << 3000.0 << 4980.0 << std::optional(1000.0);
    }
    void listHeightRule() {
        QFETCH(double, client);
        QFETCH(double, top);
        QFETCH(std::optional<double>, height);
        QCOMPARE(ListHeightFor(client, top), height);
    }

    void resizingTheWindowRefitsTheList() {
        Window w;
        w.form.show();
        w.form.resize(w.form.width(), w.form.height() + 100);
        QCOMPARE(w.form.lstLap.height(), w.form.clientHeight() - 4980 - kListBottomMargin);
        QCOMPARE(w.form.lstLap.widget()->height(), 84 + 100);
        w.form.resize(w.form.width(), 200);  // far smaller than the panels: no error, no list
        QCOMPARE(w.form.lstLap.height(), 1000.0);
        QVERIFY(w.machine.messages.isEmpty());
    }

    // Between touching the panels and leaving the margin there is no height a list can have.
    void aListWithoutRoomIsHiddenUntilThereIsRoom() {
        Window w;
        w.form.show();
        const int menuAndPanels = w.form.height() - w.form.lstLap.widget()->height() - 4;
        w.form.resize(w.form.width(), menuAndPanels + 2);  // 30 twips below the list's top
        QVERIFY(!w.form.lstLap.visible());
        QVERIFY(w.machine.messages.isEmpty());
        w.form.resize(w.form.width(), menuAndPanels + 40);
        QVERIFY(w.form.lstLap.visible());
        QCOMPARE(w.form.lstLap.height(), w.form.clientHeight() - 4980 - kListBottomMargin);
    }

    void anUnknownFlagMatchesNoRowUntilToggled() {
        FakeMachine machine;
        writeFile(machine.dir.filePath("TamoruWatch.ini"),
                  settingsWith("Showbutton", "Showbutton=5"));
        frmStopwatch form(machine.environment());
        form.Form_Load();
        QVERIFY(form.cmdStart.visible() && form.mnuShowButton.checked());
        QCOMPARE(form.state.showButton, 5);
        QCOMPARE(form.cmdStart.top(), 4500.0);  // design place kept
        QCOMPARE(form.lstLap.top(), 5040.0);
        form.mnuShowButton_Click();
        QCOMPARE(form.state.showButton, 0);
        QCOMPARE(form.lstLap.top(), 4440.0);
    }

    void showingTheDialDrawsTheStoppedTimeFirst() {
        Window w;
        w.form.mnuShowAnalogWatch_Click();
        w.form.state.analogColorRgb = 65280;
        w.form.cmdStart_Click();
        w.machine.advance(1000);  // the hand of 1 s points at 2 o'clock
        w.form.cmdStart_Click();
        w.form.imgWatch.cls();
        w.form.mnuShowAnalogWatch_Click();
        QVERIFY(w.form.imgWatch.visible());
        QVERIFY(handColourNear(w.form.imgWatch.image(), alongHand(60, 100), 1));
    }
};

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
