// Where the window opens on screens of every size: never above or left of the available area.
#include <QtTest>

#include "shell/WindowPlacement.h"

class WindowPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void placement_data() {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QRect>("placed");
        const QMargins openbox(1, 22, 1, 4);
        // The design window is 258 × 445 (client area and menu bar); the panels need 356.
        QTest::newRow("room to spare: centred")
            << QRect(0, 0, 1280, 1024) << openbox << QRect(511, 298, 258, 445);
        QTest::newRow("below a top panel")
            << QRect(0, 32, 1280, 992) << openbox << QRect(511, 314, 258, 445);
        QTest::newRow("800x600 at scale 1.5: lower, at the top")
            << QRect(0, 0, 533, 400) << openbox << QRect(137, 22, 258, 374);
        QTest::newRow("exactly the design height")
            << QRect(0, 0, 800, 471) << openbox << QRect(271, 22, 258, 445);
        QTest::newRow("800x600 at scale 2: panels never shrink, runs off the bottom")
            << QRect(0, 0, 400, 300) << openbox << QRect(71, 22, 258, 356);
        QTest::newRow("narrower than the window: starts at the left edge")
            << QRect(10, 0, 200, 1000) << openbox << QRect(11, 286, 258, 445);
        QTest::newRow("frame not known yet")
            << QRect(0, 0, 533, 400) << QMargins() << QRect(137, 0, 258, 400);
    }
    void placement() {
        QFETCH(QRect, available);
        QFETCH(QMargins, frame);
        QFETCH(QRect, placed);
        QCOMPARE(placeWindow(available, frame, 258, 445, 356), placed);
    }
};

QTEST_GUILESS_MAIN(WindowPlacementTest)
#include "tst_window_placement.moc"
