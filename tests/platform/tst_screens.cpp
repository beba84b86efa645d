// The clock's pace and the dial's artwork follow the screen the window is on, not the first
// screen: here a 60 Hz screen at scale 1 on the left and a 144 Hz screen at scale 2 on the right
// (the offscreen platform reads them from two_screens.json; it knows no refresh rates, so the
// test gives them).
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <QtTest>

#include "support/LoadedWindow.h"

using std::chrono::microseconds;

namespace {

QScreen* screenNamed(const QString& name) {
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->name() == name) return screen;
    }
    return nullptr;
}

double testRefreshRate(const QScreen& screen) {
    return screen.name() == QLatin1String("right") ? 144.0 : 60.0;
}

}  // namespace

class ScreensTest : public QObject {
    Q_OBJECT
    QScreen* left_ = nullptr;
    QScreen* right_ = nullptr;

    void moveTo(LoadedWindow& w, QScreen* screen) {
        w->windowHandle()->setScreen(screen);
        w->move(screen->geometry().topLeft() + QPoint(100, 100));
        QTRY_COMPARE(w->screen(), screen);
    }

private slots:
    void initTestCase() {
        left_ = screenNamed(QStringLiteral("left"));
        right_ = screenNamed(QStringLiteral("right"));
        QVERIFY2(left_ && right_, "the offscreen platform did not read two_screens.json");
        QCOMPARE(right_->devicePixelRatio(), 2.0);
    }

    void theClockTicksOnTheFramesOfTheWindowsScreen() {
        LoadedWindow w(kDefaultSettings);
        w->tmrClock.setRefreshRateSource(testRefreshRate);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
        moveTo(w, left_);
        w->cmdStart_Click();
        QCOMPARE(w->tmrClock.period(), microseconds(16667));

        moveTo(w, right_);
        QTRY_COMPARE(w->tmrClock.period(), microseconds(6944));
        moveTo(w, left_);
        QTRY_COMPARE(w->tmrClock.period(), microseconds(16667));

        // A window stopped on one screen and started on another starts at the new pace.
        w->cmdStart_Click();
        moveTo(w, right_);
        w->cmdStart_Click();
        QCOMPARE(w->tmrClock.period(), microseconds(6944));
    }

    void theDialIsSharpOnTheScreenItIsShownOn() {
        LoadedWindow w(kDefaultSettings);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
        moveTo(w, left_);
        QTRY_COMPARE(w->imgWatch.image().devicePixelRatio(), 1.0);
        QCOMPARE(w->imgWatch.picture().size(), QSize(250, 250));

        // Stopped, the dial is painted again when the window arrives on the other screen.
        moveTo(w, right_);
        QTRY_COMPARE(w->imgWatch.image().devicePixelRatio(), 2.0);
        QCOMPARE(w->imgWatch.picture().size(), QSize(500, 500));
        QCOMPARE(w->imgNumber.picture().size(), QSize(300, 60));
        QCOMPARE(w->imgWatch.image().size(), w->imgWatch.picture().size());

        // Running, every tick's drawing copies numerals from the sharp strip.
        w->cmdStart_Click();
        w.machine.advance(1500);
        w->tmrClock_Timer();
        QCOMPARE(w->imgWatch.image().devicePixelRatio(), 2.0);
        moveTo(w, left_);
        w->tmrClock_Timer();
        QCOMPARE(w->imgWatch.image().devicePixelRatio(), 1.0);
        QCOMPARE(w->imgNumber.picture().size(), QSize(150, 30));
    }
};

QTEST_MAIN(ScreensTest)
#include "tst_screens.moc"
