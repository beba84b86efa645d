// The window's keys: Space and Enter drive the two buttons from anywhere, Ctrl+C copies the
// lap list. Keys go through the window system path, as a user's would.
#include <qpa/qwindowsysteminterface.h>

#include <QClipboard>
#include <QListView>
#include <QPushButton>
#include <QtTest>

#include "support/LoadedWindow.h"

namespace {

struct Window : LoadedWindow {
    Window() : LoadedWindow(kDefaultSettings) {
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get())) qFatal("window not active");
    }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(form.get(), Qt::Key(key), modifiers);
    }
    /// A key held down: one press, then the repeats the keyboard sends while it stays down.
    void hold(int key, int repeats) {
        QWindow* window = form->windowHandle();
        for (int i = 0; i <= repeats; ++i) {
            QWindowSystemInterface::handleExtendedKeyEvent(window, QEvent::KeyPress, key,
                                                           Qt::NoModifier, 0, 0, 0, QString(),
                                                           /*autorep=*/i > 0);
            QCoreApplication::processEvents();
        }
        QWindowSystemInterface::handleKeyEvent(window, QEvent::KeyRelease, key, Qt::NoModifier);
        QCoreApplication::processEvents();
    }
    bool running() { return state().running != 0; }
};

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void spaceAndEnterActAsTheButtons() {
        Window w;
        w.press(Qt::Key_Space);
        QVERIFY(w.running());
        QCOMPARE(w->cmdStart.caption(), QStringLiteral("ストップ"));
        w.machine.advance(1500);
        w.press(Qt::Key_Return);
        w.machine.advance(500);
        w.press(Qt::Key_Enter);  // the keypad's Enter
        QCOMPARE(w.laps(), (std::vector<int32_t>{1500, 2000}));
        w.press(Qt::Key_Space);
        QVERIFY(!w.running());
        w.press(Qt::Key_Return);  // Lap/Reset is Reset now
        QVERIFY(w.laps().empty());
        QCOMPARE(w->lblTime.caption(), QStringLiteral("0.000"));
    }

    // Holding Space must not start and stop again and again.
    void aHeldKeyActsOnce() {
        Window w;
        w.hold(Qt::Key_Space, 5);
        QVERIFY(w.running());
        w.machine.advance(100);
        w.hold(Qt::Key_Return, 3);
        QCOMPARE(w.laps().size(), std::size_t(1));
    }

    // Whatever holds the focus (a button just clicked, the lap list), a key acts exactly once.
    void keysActOnceWhateverWasClickedBefore() {
        Window w;
        QTest::mouseClick(static_cast<QPushButton*>(w->cmdStart.widget()), Qt::LeftButton);
        QVERIFY(w.running());
        w.press(Qt::Key_Space);
        QVERIFY(!w.running());

        w->lstLap.widget()->setFocus();
        w.press(Qt::Key_Space);
        QVERIFY(w.running());
        w.press(Qt::Key_Return);
        QCOMPARE(w.laps().size(), std::size_t(2));  // the stop's split and this lap
    }

    void ctrlCCopiesEveryLapAsShown() {
        Window w;
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        w.press(Qt::Key_C, Qt::ControlModifier);  // nothing to copy: the clipboard is kept
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));

        w.press(Qt::Key_Space);
        w.machine.advance(1000);
        w.press(Qt::Key_Return);
        w.machine.advance(62500);
        w.press(Qt::Key_Space);
        w->lstLap.widget()->setFocus();  // the list's own copy must not take over
        w.press(Qt::Key_C, Qt::ControlModifier);
        const QString seconds = QGuiApplication::clipboard()->text();
        QCOMPARE(seconds, w.listLines().join(QLatin1Char('\n')) + QLatin1Char('\n'));
        QCOMPARE(seconds.count(QLatin1Char('\n')), 2);

        w->mnuShowFrame24_Click();
        w.press(Qt::Key_C, Qt::ControlModifier);
        const QString frames = QGuiApplication::clipboard()->text();
        QCOMPARE(frames, w.listLines().join(QLatin1Char('\n')) + QLatin1Char('\n'));
        QVERIFY(frames != seconds);
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
