// Presses and double clicks on every surface, in both behaviour modes, delivered as the window
// system delivers them (a double click is press, release, press, release).
#include <QListView>
#include <QtTest>

#include "support/LoadedWindow.h"

namespace {

enum class Effect { None, Start, Stop, Lap, Reset };

struct Surface {
    const char* name;
    QWidget* (*widget)(frmStopwatch&);
};

QWidget* background(frmStopwatch& f) {
    return f.clientArea();
}
QWidget* readout(frmStopwatch& f) {
    return f.lblTime.widget();
}
QWidget* list(frmStopwatch& f) {
    return static_cast<QListView*>(f.lstLap.widget())->viewport();
}
QWidget* dial(frmStopwatch& f) {
    return f.imgWatch.widget();
}

/// A point of the surface that no other control covers, in the window's coordinates.
QPoint windowPointOf(frmStopwatch& form, QWidget* surface) {
    const QPoint local = surface == form.clientArea() ? QPoint(2, 2) : surface->rect().center();
    return surface->mapTo(form.window(), local);
}

struct Window : LoadedWindow {
    Window(int mode, bool running) : LoadedWindow(kDefaultSettings) {
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get())) qFatal("window not exposed");
        form->ApplyBehaviorMode(mode);
        form->cmdStart_Click();
        machine.advance(1000);
        form->cmdStart_Click();  // one run measured, stopped
        if (running) form->cmdStart_Click();
        machine.advance(500);
    }
    QWindow* handle() { return form->windowHandle(); }
};

/// What a gesture did to the engine, read from the record.
Effect effectOf(int16_t runningBefore, int lapsBefore, const StopwatchState& after) {
    const int laps = after.lapTimes.count();
    if (runningBefore == kFalse && after.running == kTrue) return Effect::Start;
    if (runningBefore == kTrue && after.running == kFalse) return Effect::Stop;
    if (after.running == kTrue && laps == lapsBefore + 1) return Effect::Lap;
    if (after.running == kFalse && laps == 0 && lapsBefore > 0) return Effect::Reset;
    return Effect::None;
}

}  // namespace

Q_DECLARE_METATYPE(Effect)

class GesturesTest : public QObject {
    Q_OBJECT
private slots:
    void presses_data() {
        QTest::addColumn<int>("surface");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("running");
        QTest::addColumn<int>("button");
        QTest::addColumn<Effect>("effect");
        const char* names[] = {"background", "readout", "list", "dial"};
        for (int surface = 0; surface < 4; ++surface) {
            auto row = [&](int mode, bool running, int button, Effect effect) {
                QTest::addRow("%s mode %d %s button %d", names[surface], mode,
                              running ? "running" : "stopped", button)
                    << surface << mode << running << button << effect;
            };
            row(0, false, Qt::LeftButton, Effect::Start);
            row(0, true, Qt::LeftButton, Effect::Stop);
            row(0, false, Qt::RightButton, Effect::Reset);
            row(0, true, Qt::RightButton, Effect::Lap);
            row(0, false, Qt::MiddleButton, Effect::None);
            row(0, true, Qt::MiddleButton, Effect::None);
            row(1, false, Qt::LeftButton, Effect::Start);
            row(1, true, Qt::LeftButton, Effect::Lap);
            row(1, false, Qt::RightButton, Effect::Start);
            row(1, true, Qt::RightButton, Effect::Stop);
            row(1, false, Qt::MiddleButton, Effect::None);
            row(1, true, Qt::MiddleButton, Effect::None);
        }
    }
    void presses() {
        QFETCH(int, surface);
        QFETCH(int, mode);
        QFETCH(bool, running);
        QFETCH(int, button);
        QFETCH(Effect, effect);
        Window w(mode, running);
        QWidget* (*surfaces[])(frmStopwatch&) = {background, readout, list, dial};
        const QPoint at = windowPointOf(*w.form, surfaces[surface](*w.form));
        const int16_t runningBefore = w.state().running;
        const int lapsBefore = w.state().lapTimes.count();
        QTest::mouseClick(w.handle(), Qt::MouseButton(button), {}, at);
        QCOMPARE(effectOf(runningBefore, lapsBefore, w.state()), effect);
    }

    // In lap measurement the dial also hides the buttons at a start and toggles them on a
    // right press.
    void lapModeDialTogglesTheButtons_data() {
        QTest::addColumn<bool>("running");
        QTest::addColumn<bool>("buttonsShown");
        QTest::addColumn<int>("button");
        QTest::addColumn<Effect>("effect");
        QTest::addColumn<bool>("buttonsShownAfter");
        QTest::newRow("left, stopped, shown")
            << false << true << int(Qt::LeftButton) << Effect::Start << false;
        QTest::newRow("left, stopped, hidden")
            << false << false << int(Qt::LeftButton) << Effect::Start << false;
        QTest::newRow("left, running")
            << true << false << int(Qt::LeftButton) << Effect::Lap << false;
        QTest::newRow("right, stopped, shown")
            << false << true << int(Qt::RightButton) << Effect::Start << false;
        QTest::newRow("right, running, hidden")
            << true << false << int(Qt::RightButton) << Effect::Stop << true;
        QTest::newRow("middle") << false << true << int(Qt::MiddleButton) << Effect::None << true;
    }
    void lapModeDialTogglesTheButtons() {
        QFETCH(bool, running);
        QFETCH(bool, buttonsShown);
        QFETCH(int, button);
        QFETCH(Effect, effect);
        QFETCH(bool, buttonsShownAfter);
        Window w(1, running);
        if (!buttonsShown) w->mnuShowButton_Click();
        const int16_t runningBefore = w.state().running;
        const int lapsBefore = w.state().lapTimes.count();
        QTest::mouseClick(w.handle(), Qt::MouseButton(button), {},
                          windowPointOf(*w.form, dial(*w.form)));
        QCOMPARE(effectOf(runningBefore, lapsBefore, w.state()), effect);
        QCOMPARE(w->cmdStart.visible(), buttonsShownAfter);
        QCOMPARE(w->mnuShowButton.checked(), buttonsShownAfter);
    }

    // One left double click runs the press mapping once, then the double-click mapping once.
    void doubleClicks_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("running");
        QTest::addColumn<bool>("runningAfter");
        QTest::addColumn<int>("newLaps");
        QTest::newRow("normal, stopped: start then stop") << 0 << false << false << 1;
        QTest::newRow("lap mode, stopped: start then a lap") << 1 << false << true << 1;
        QTest::newRow("lap mode, running: two laps") << 1 << true << true << 2;
        QTest::newRow("normal, running: stop then start") << 0 << true << true << 1;
    }
    void doubleClicks() {
        QFETCH(int, mode);
        QFETCH(bool, running);
        QFETCH(bool, runningAfter);
        QFETCH(int, newLaps);
        for (auto surface : {background, readout, list, dial}) {
            Window w(mode, running);
            const int lapsBefore = w.state().lapTimes.count();
            QTest::mouseDClick(w.handle(), Qt::LeftButton, {},
                               windowPointOf(*w.form, surface(*w.form)));
            QCOMPARE(w.state().running == kTrue, runningAfter);
            QCOMPARE(w.state().lapTimes.count() - lapsBefore, newLaps);
        }
    }

    void aRightDoubleClickIsTwoPresses() {
        Window w(0, true);
        const int lapsBefore = w.state().lapTimes.count();
        QTest::mouseDClick(w.handle(), Qt::RightButton, {},
                           windowPointOf(*w.form, readout(*w.form)));
        QCOMPARE(w.state().lapTimes.count() - lapsBefore, 2);
    }

    void theListDoesNotSelectOnAGesture() {
        Window w(1, true);
        w->cmdLap_Click();
        w->cmdLap_Click();
        QCOMPARE(w->lstLap.listIndex(), 2);
        QWidget* viewport = list(*w.form);
        const QPoint firstLine = viewport->mapTo(w.form.get(), QPoint(10, 5));
        QTest::mouseClick(w.handle(), Qt::LeftButton, {}, firstLine);  // a lap, not a selection
        QCOMPARE(w->lstLap.listCount(), 4);
        QCOMPARE(w->lstLap.listIndex(), 3);
    }
};

QTEST_MAIN(GesturesTest)
#include "tst_gestures.moc"
