#include <QtTest>

#include "core/ClipRectangle.h"
#include "support/LoadedWindow.h"

class ConfinementTest : public QObject {
    Q_OBJECT
private slots:
    void clipRectangle_data() {
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("outerWidth");
        QTest::addColumn<QRect>("expected");
        // Top 1500, outer height 7005 and client 3870 x 6300 twips throughout.
        QTest::newRow("4-pixel frames")
            << 1500.0 << 3990.0 << QRect(QPoint(104, 143), QPoint(361, 562));
        QTest::newRow("left half rounds to even, down")
            << 1447.5 << 3990.0 << QRect(QPoint(100, 143), QPoint(357, 562));
        QTest::newRow("left half rounds to even, up")
            << 1462.5 << 3990.0 << QRect(QPoint(102, 143), QPoint(359, 562));
        QTest::newRow("no frame") << 0.0 << 3870.0 << QRect(QPoint(0, 147), QPoint(257, 566));
    }
    void clipRectangle() {
        QFETCH(double, left);
        QFETCH(double, outerWidth);
        QFETCH(QRect, expected);
        QCOMPARE(ClipRectangle({left, 1500, outerWidth, 7005, 3870, 6300}, 15, 15), expected);
    }

    void theBorderRoundsHalfToEven() {
        // At one twip per pixel the border shows in the result directly.
        QCOMPARE(ClipRectangle({0, 0, 3991, 7005, 3870, 6300}, 1, 1).topLeft(), QPoint(60, 645));
        QCOMPARE(ClipRectangle({0, 0, 3993, 7005, 3870, 6300}, 1, 1).topLeft(), QPoint(62, 643));
    }

    void atTwelveTwipsPerPixel() {
        // 120 DPI: 12 twips per pixel.
        QCOMPARE(ClipRectangle({1200, 1200, 3192, 5604, 3096, 5040}, 12, 12),
                 QRect(QPoint(104, 143), QPoint(361, 562)));
    }

    void theRunKeepsThePointerInTheClientArea() {
        LoadedWindow w(kDefaultSettings);
        w->show();
        QVERIFY(!w->cursorClip());
        w->cmdStart_Click();
        QVERIFY(w->cursorClip());
        QCOMPARE(w->cursorClip()->size(), QSize(258, 420));
        w->cmdStart_Click();
        QVERIFY(!w->cursorClip());
        w->cmdStart_Click();
        w->close();  // closing while running frees the pointer too
        QVERIFY(!w->cursorClip());
    }
};

QTEST_MAIN(ConfinementTest)
#include "tst_confinement.moc"
