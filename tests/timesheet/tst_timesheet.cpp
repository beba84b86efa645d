// The timing sheet: boundary frames, key lengths, and the XDTS and CSV files read back the way
// the programs that import them read them.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>
#include <map>

#include "timesheet/ExportName.h"
#include "timesheet/TimingSheet.h"
#include "timesheet/TimingTable.h"
#include "timesheet/Xdts.h"

namespace {

using Entries = std::vector<int32_t>;

const Entries kExample{512, 1263, 1280, 2007};

/// The track of an XDTS file expanded as an importer does: the cells sorted by frame, each
/// held until the next; the null cell ends the last. One value per frame, "" where none.
struct ExpandedTrack {
    QJsonObject table;
    std::vector<QString> cellAt;  // frame -> the key shown
    QString failure;
};

ExpandedTrack expand(const QByteArray& file) {
    ExpandedTrack track;
    const QByteArray firstLine = "exchangeDigitalTimeSheet Save Data\n";
    if (!file.startsWith(firstLine)) return {{}, {}, QStringLiteral("first line")};
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.mid(firstLine.size()), &error);
    if (error.error != QJsonParseError::NoError) return {{}, {}, error.errorString()};
    const QJsonObject root = document.object();
    if (root[QStringLiteral("version")].toInt() != 5) return {{}, {}, QStringLiteral("version")};
    track.table = root[QStringLiteral("timeTables")].toArray().at(0).toObject();
    const QJsonArray cells = track.table[QStringLiteral("fields")]
                                 .toArray()
                                 .at(0)
                                 .toObject()[QStringLiteral("tracks")]
                                 .toArray()
                                 .at(0)
                                 .toObject()[QStringLiteral("frames")]
                                 .toArray();
    std::map<int64_t, QString> byFrame;
    for (const QJsonValue& cell : cells) {
        const QJsonObject object = cell.toObject();
        const auto frame = int64_t(object[QStringLiteral("frame")].toDouble());
        const QString value = object[QStringLiteral("data")]
                                  .toArray()
                                  .at(0)
                                  .toObject()[QStringLiteral("values")]
                                  .toArray()
                                  .at(0)
                                  .toString();
        if (!byFrame.emplace(frame, value).second)
            track.failure = QStringLiteral("two cells on a frame");
    }
    QString shown;
    int64_t frame = 0;
    for (const auto& [start, value] : byFrame) {
        for (; frame < start; ++frame) track.cellAt.push_back(shown);
        shown = value == QLatin1String("SYMBOL_NULL_CELL") ? QString() : value;
        if (value == QLatin1String("SYMBOL_NULL_CELL")) break;
    }
    return track;
}

/// A CSV parser after RFC 4180: fields split on commas, quoted fields may hold commas, quotes
/// and line ends; records end at CRLF.
QList<QStringList> parseCsv(const QString& text) {
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            record << field;
            field.clear();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            records << (record << field);
            record.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    if (!field.isEmpty() || !record.isEmpty()) records << (record << field);
    return records;
}

Entries randomEntries(QRandomGenerator& random, int count) {
    Entries entries;
    int32_t at = 0;
    for (int i = 0; i < count; ++i) {
        at += int32_t(random.bounded(random.bounded(4) == 0 ? 40 : 3000));  // some share a frame
        entries.push_back(at);
    }
    return entries;
}

}  // namespace

class TimesheetTest : public QObject {
    Q_OBJECT

private slots:
    void boundaryFrames_data() {
        QTest::addColumn<int>("ms");
        QTest::addColumn<qint64>("frame");
        QTest::newRow("zero") << 0 << qint64(0);
        QTest::newRow("inside the first frame") << 41 << qint64(0);
        QTest::newRow("the second frame") << 42 << qint64(1);
        QTest::newRow("125 ms ends frame 2, belongs to it") << 125 << qint64(2);
        QTest::newRow("just after 125") << 126 << qint64(3);
        QTest::newRow("250 ms ends frame 5") << 250 << qint64(5);
        QTest::newRow("last of a second") << 999 << qint64(23);
        QTest::newRow("a whole second") << 1000 << qint64(24);
        QTest::newRow("one sheet") << 6000 << qint64(144);
        QTest::newRow("the largest value") << 2147483647 << qint64(2147483LL * 24 + 15);
    }
    void boundaryFrames() {
        QFETCH(int, ms);
        QFETCH(qint64, frame);
        QCOMPARE(BoundaryFrame(ms), frame);
    }

    void keyLengths_data() {
        QTest::addColumn<QList<int>>("entries");
        QTest::addColumn<QList<qint64>>("lengths");
        QTest::newRow("the example")
            << QList<int>{512, 1263, 1280, 2007} << QList<qint64>{12, 18, 0, 18};
        QTest::newRow("the same frame twice") << QList<int>{126, 166} << QList<qint64>{3, 0};
        QTest::newRow("a first entry on frame 0") << QList<int>{0, 1000} << QList<qint64>{0, 24};
        QTest::newRow("up to the largest value")
            << QList<int>{1, 2147483647} << QList<qint64>{0, 2147483LL * 24 + 15};
    }
    void keyLengths() {
        QFETCH(QList<int>, entries);
        QFETCH(QList<qint64>, lengths);
        const Entries values(entries.begin(), entries.end());
        for (qsizetype k = 1; k <= lengths.size(); ++k) {
            QCOMPARE(KeyLength(values, std::size_t(k)), lengths[k - 1]);
        }
    }

    void sheetNotation() {
        QCOMPARE(SecondsPlusFrames(36), QStringLiteral("1+12"));
        QCOMPARE(SecondsPlusFrames(0), QStringLiteral("0+0"));
        QCOMPARE(SecondsPlusFrames(24), QStringLiteral("1+0"));
        QCOMPARE(KeyDescription(2, 18), QStringLiteral("キー 2: 18 コマ (0+18)"));
    }

    void theExampleAsXdts() {
        const ExpandedTrack track = expand(XdtsDocument(kExample, QStringLiteral("c01")));
        QVERIFY2(track.failure.isEmpty(), qPrintable(track.failure));
        QCOMPARE(track.table[QStringLiteral("name")].toString(), QStringLiteral("c01"));
        QCOMPARE(track.table[QStringLiteral("duration")].toInt(), 48);
        std::vector<QString> expected(48);
        std::fill(expected.begin(), expected.begin() + 12, QStringLiteral("1"));
        std::fill(expected.begin() + 12, expected.begin() + 30, QStringLiteral("2"));
        std::fill(expected.begin() + 30, expected.end(), QStringLiteral("4"));  // 3 has no length
        QCOMPARE(track.cellAt, expected);
    }

    // Every frame of the sheet shows the key whose span holds it, for runs of every shape.
    void everyFrameShowsItsKey() {
        QRandomGenerator random(20261210);
        for (int round = 0; round < 200; ++round) {
            const Entries entries = randomEntries(random, 1 + int(random.bounded(60)));
            if (BoundaryFrame(entries.back()) == 0) continue;
            const ExpandedTrack track = expand(XdtsDocument(entries, QStringLiteral("t")));
            QVERIFY2(track.failure.isEmpty(), qPrintable(track.failure));
            QCOMPARE(int64_t(track.cellAt.size()), BoundaryFrame(entries.back()));
            for (std::size_t k = 1; k <= entries.size(); ++k) {
                const int64_t from = k >= 2 ? BoundaryFrame(entries[k - 2]) : 0;
                for (int64_t f = from; f < BoundaryFrame(entries[k - 1]); ++f) {
                    QCOMPARE(track.cellAt[std::size_t(f)], QString::number(k));
                }
            }
        }
    }

    void namesAreEscaped() {
        const QString name = QStringLiteral("カット \"1\" \\ \t end");
        const ExpandedTrack track = expand(XdtsDocument(kExample, name));
        QVERIFY2(track.failure.isEmpty(), qPrintable(track.failure));
        QCOMPARE(track.table[QStringLiteral("name")].toString(), name);
    }

    void theExampleAsCsv() {
        const QByteArray file = TimingTable(kExample, kCsvFile);
        QVERIFY(file.startsWith("\xEF\xBB\xBF"));
        QVERIFY(file.endsWith("\r\n"));
        QVERIFY(!file.mid(3).replace("\r\n", "").contains('\n'));
        const QList<QStringList> rows = parseCsv(QString::fromUtf8(file.mid(3)));
        QCOMPARE(rows.size(), 5);
        QCOMPARE(rows[0].join(u','),
                 QStringLiteral("No,ms,秒,コマ,秒+コマ,シート:秒:コマ,区間コマ,区間 秒+コマ"));
        QCOMPARE(rows[1], QStringList({"1", "512", "0.512", "12", "0+12", "0:0:12", "12", "0+12"}));
        QCOMPARE(rows[2], QStringList({"2", "1263", "1.263", "30", "1+6", "0:1:6", "18", "0+18"}));
        QCOMPARE(rows[3], QStringList({"3", "1280", "1.280", "30", "1+6", "0:1:6", "0", "0+0"}));
        QCOMPARE(rows[4], QStringList({"4", "2007", "2.007", "48", "2+0", "0:2:0", "18", "0+18"}));
    }

    void largeValuesInTheTable() {
        const QList<QStringList> rows =
            parseCsv(QString::fromUtf8(TimingTable({2147483647}, kCsvFile).mid(3)));
        QCOMPARE(rows[1], QStringList({"1", "2147483647", "2147483.647", "51539607", "2147483+15",
                                       "357913:5:15", "51539607", "2147483+15"}));
    }

    void theClipboardTable() {
        const QByteArray text = TimingTable(kExample, kTabSeparated);
        QVERIFY(!text.startsWith("\xEF\xBB\xBF"));
        QVERIFY(!text.contains('\r'));
        const QList<QByteArray> lines = text.split('\n');
        QCOMPARE(lines.size(), 6);  // five rows and the empty rest after the last LF
        QCOMPARE(lines[2], QByteArray("2\t1263\t1.263\t30\t1+6\t0:1:6\t18\t0+18"));
    }

    void exportTargets_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("format");
        const int xdts = int(SheetFormat::Xdts), csv = int(SheetFormat::Csv);
        QTest::newRow("plain name, XDTS filter") << "/s/c01" << xdts << "/s/c01.xdts" << xdts;
        QTest::newRow("plain name, CSV filter") << "/s/c01" << csv << "/s/c01.csv" << csv;
        QTest::newRow("typed .csv wins over the filter") << "/s/a.csv" << xdts << "/s/a.csv" << csv;
        QTest::newRow("typed .XDTS in capitals") << "/s/a.XDTS" << csv << "/s/a.XDTS" << xdts;
        QTest::newRow("dots of its own") << "/s/c01.s02" << xdts << "/s/c01.s02.xdts" << xdts;
    }
    void exportTargets() {
        QFETCH(QString, typed);
        QFETCH(int, filter);
        QFETCH(QString, path);
        QFETCH(int, format);
        const ExportTarget target = ExportTargetFor(typed, SheetFormat(filter));
        QCOMPARE(target.path, path);
        QCOMPARE(int(target.format), format);
        QCOMPARE(TimeTableName(QStringLiteral("/s/c01.s02.xdts")), QStringLiteral("c01.s02"));
    }
};

QTEST_GUILESS_MAIN(TimesheetTest)
#include "tst_timesheet.moc"
