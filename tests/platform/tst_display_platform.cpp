// The display platform the program asks the toolkit for.
#include <QtTest>

#include "platform/DisplayPlatform.h"

class DisplayPlatformTest : public QObject {
    Q_OBJECT

private slots:
    void choice_data() {
        QTest::addColumn<QByteArray>("requested");
        QTest::addColumn<bool>("xReachable");
        QTest::addColumn<QByteArray>("chosen");
        QTest::newRow("nothing set, X at hand") << QByteArray() << true << QByteArray("xcb");
        QTest::newRow("nothing set, no X") << QByteArray() << false << QByteArray();
        QTest::newRow("wayland, X at hand") << QByteArray("wayland") << true << QByteArray("xcb");
        QTest::newRow("wayland first in a list")
            << QByteArray("wayland;xcb") << true << QByteArray("xcb");
        QTest::newRow("wayland-egl with options")
            << QByteArray("wayland-egl:foo=1") << true << QByteArray("xcb");
        QTest::newRow("wayland without X")
            << QByteArray("wayland") << false << QByteArray("wayland");
        QTest::newRow("offscreen for tests")
            << QByteArray("offscreen") << true << QByteArray("offscreen");
        QTest::newRow("minimal") << QByteArray("minimal") << true << QByteArray("minimal");
        QTest::newRow("xcb first, wayland after")
            << QByteArray("xcb;wayland") << true << QByteArray("xcb;wayland");
    }
    void choice() {
        QFETCH(QByteArray, requested);
        QFETCH(bool, xReachable);
        QFETCH(QByteArray, chosen);
        QCOMPARE(platform::displayPlatformFor(requested, xReachable), chosen);
    }
};

QTEST_APPLESS_MAIN(DisplayPlatformTest)
#include "tst_display_platform.moc"
