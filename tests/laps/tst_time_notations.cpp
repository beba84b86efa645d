#include <QtTest>

#include "laps/TimeNotations.h"

// Full-width blank of the h/m/s notation: two spaces and an ideographic space.
#define B "  \u3000"

class TimeNotationsTest : public QObject {
    Q_OBJECT
private slots:
    void frameInSecond_data() {
        QTest::addColumn<int>("ms");
        QTest::addColumn<int>("frame");
        const int thresholds[23] = {42,  84,  126, 167, 209, 251, 292, 334, 376, 417, 459, 501,
                                    542, 584, 626, 667, 709, 751, 792, 834, 876, 917, 959};
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("999") << 999 << 23;
        for (int n = 1; n <= 23; ++n) {
            QTest::addRow("below %d", thresholds[n - 1]) << thresholds[n - 1] - 1 << n - 1;
            QTest::addRow("at %d", thresholds[n - 1]) << thresholds[n - 1] << n;
        }
    }
    void frameInSecond() {
        QFETCH(int, ms);
        QFETCH(int, frame);
        QCOMPARE(FrameInSecond(ms), frame);
    }

    void frameInSecondIsMonotonicAndBoundedOverTheWholeSecond() {
        int previous = 0;
        for (int ms = 0; ms < 1000; ++ms) {
            const int frame = FrameInSecond(ms);
            QVERIFY(frame == previous || frame == previous + 1);
            QVERIFY(frame >= 0 && frame <= 23);
            previous = frame;
        }
        QCOMPARE(previous, 23);
    }

    void lines_data() {
        QTest::addColumn<int>("ms");
        QTest::addColumn<QString>("sec");
        QTest::addColumn<QString>("hms");
        QTest::addColumn<QString>("frames");
        QTest::addColumn<QString>("ssk");
        auto row = [](const char* name, int ms, const char* a, const char* b, const char* c,
                      const char* d) {
            QTest::newRow(name) << ms << QString::fromUtf8(a) << QString::fromUtf8(b)
                                << QString::fromUtf8(c) << QString::fromUtf8(d);
        };
        row("0", 0, "     0.000 秒", B B B "000", "     0 コマ", "   :  : 0K [  0: 0K]");
        row("125", 125, "     0.125 秒", B B B "125", "     2 コマ", "   :  : 2K [  0: 2K]");
        row("126", 126, "     0.126 秒", B B B "126", "     3 コマ", "   :  : 3K [  0: 3K]");
        row("999", 999, "     0.999 秒", B B B "999", "    23 コマ", "   :  :23K [  0:23K]");
        row("1000", 1000, "     1.000 秒", B B " 1秒000", "    24 コマ", "   : 1: 0K [  1: 0K]");
        row("5999", 5999, "     5.999 秒", B B " 5秒999", "   143 コマ", "   : 5:23K [  5:23K]");
        row("6000", 6000, "     6.000 秒", B B " 6秒000", "   144 コマ", "  1: 0: 0K [  6: 0K]");
        row("60000", 60000, "    60.000 秒", B " 1分" B "000", " 1,440 コマ",
            " 10: 0: 0K [ 60: 0K]");
        row("61234", 61234, "    61.234 秒", B " 1分 1秒234", " 1,469 コマ",
            " 10: 1: 5K [ 61: 5K]");
        row("3605000", 3605000, " 3,605.000 秒", " 1時" B " 5秒000", "86,520 コマ",
            "600: 5: 0K [605: 0K]");
        row("3600000", 3600000, " 3,600.000 秒", " 1時" B B "000", "86,400 コマ",
            "600: 0: 0K [600: 0K]");
        row("3725042", 3725042, " 3,725.042 秒", " 1時 2分 5秒042", "89,401 コマ",
            "620: 5: 1K [725: 1K]");
        row("999999", 999999, "   999.999 秒", B "16分39秒999", "23,999 コマ",
            "166: 3:23K [999:23K]");
        row("1000000", 1000000, " 1,000.000 秒", B "16分40秒000", "24,000 コマ",
            "166: 4: 0K [000: 0K]");
        row("4166666", 4166666, " 4,166.666 秒", " 1時 9分26秒666", "99,999 コマ",
            "694: 2:15K [166:15K]");
        row("4166667", 4166667, " 4,166.667 秒", " 1時 9分26秒667", "00,000 コマ",
            "694: 2:16K [166:16K]");
        row("99999999", 99999999, "99,999.999 秒", "27時46分39秒999", "99,999 コマ",
            "666: 3:23K [999:23K]");
        row("100000000", 100000000, "00,000.000 秒", "27時46分40秒000", "00,000 コマ",
            "666: 4: 0K [000: 0K]");
        row("359999999", 359999999, "59,999.999 秒", "99時59分59秒999", "39,999 コマ",
            "999: 5:23K [999:23K]");
        row("360000000", 360000000, "60,000.000 秒", "00時" B B "000", "40,000 コマ",
            "000: 0: 0K [000: 0K]");
        row("max", 2147483647, "47,483.647 秒", "96時31分23秒647", "39,607 コマ",
            "913: 5:15K [483:15K]");
    }
    void lines() {
        QFETCH(int, ms);
        QFETCH(QString, sec);
        QFETCH(QString, hms);
        QFETCH(QString, frames);
        QFETCH(QString, ssk);
        QCOMPARE(FormatLapSec(ms), sec);
        QCOMPARE(FormatLapHMS(ms), hms);
        QCOMPARE(FormatLapFrame24(ms), frames);
        QCOMPARE(FormatLapSSK(ms), ssk);
    }

    void everyLineKeepsItsFixedLength() {
        for (int ms : {0, 7, 42, 999, 61234, 3725042, 99999999, 100000000, 2147483647}) {
            QCOMPARE(FormatLapSec(ms).size(), 12);
            QCOMPARE(FormatLapHMS(ms).size(), 12);
            QCOMPARE(FormatLapFrame24(ms).size(), 9);
            QCOMPARE(FormatLapSSK(ms).size(), 20);
        }
    }
};

QTEST_APPLESS_MAIN(TimeNotationsTest)
#include "tst_time_notations.moc"
