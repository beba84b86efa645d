// Thousands of generated settings files: reading never crashes, a following save leaves every
// line that isn't one of the program's nine keys byte for byte, and reading the saved file
// gives back exactly what was saved.
#include <QRandomGenerator>
#include <QtTest>

#include "shell/frmStopwatch.h"
#include "support/FakeMachine.h"
#include "support/SettingsFiles.h"

namespace {

const QList<QByteArray> kKeys{"Showbutton",       "ShowDigital",  "ShowAnalog",
                              "LapType",          "AnalogScale",  "AnalogColor",
                              "WindowForceFront", "BehaviorMode", "PlaySound"};

class FileGenerator {
public:
    explicit FileGenerator(quint32 seed) : random_(seed) {}

    QByteArray file() {
        QByteArray data;
        if (chance(10)) data += "\xEF\xBB\xBF";
        const int lines = int(random_.bounded(40));
        for (int i = 0; i < lines; ++i)
            data += line() + (chance(15) ? "\r\n" : chance(10) ? "\r" : "\n");
        if (chance(30) && data.endsWith('\n')) data.chop(data.endsWith("\r\n") ? 2 : 1);
        return data;
    }

private:
    bool chance(int percent) { return int(random_.bounded(100)) < percent; }
    QByteArray pick(const QList<QByteArray>& options) {
        return options.at(int(random_.bounded(qsizetype(options.size()))));
    }
    QByteArray randomBytes(int maxLength) {
        QByteArray bytes(int(random_.bounded(maxLength + 1)), '\0');
        for (char& b : bytes) {
            b = char(random_.bounded(256));
            if (b == '\n') b = 'n';
        }
        return bytes;
    }
    QByteArray value() {
        switch (random_.bounded(7)) {
            case 0:
                return QByteArray::number(int(random_.bounded(7)) - 2);
            case 1:
                return " " + QByteArray::number(random_.bounded(5)) + ".5 ";
            case 2:
                return "";
            case 3:
                return "ERROR";
            case 4:
                return QByteArray(int(random_.bounded(400)), 'F');
            case 5:
                return "99999999999";
            default:
                return randomBytes(30);
        }
    }
    QByteArray line() {
        switch (random_.bounded(9)) {
            case 0:
                return "[" + pick({"TamoruWatch", "tamoruwatch", "Other", " TamoruWatch "}) + "]";
            case 1:
            case 2:
            case 3: {
                QByteArray key = pick(kKeys);
                if (chance(20)) key = key.toLower();
                return (chance(20) ? " " : "") + key + (chance(20) ? " = " : "=") + value();
            }
            case 4:
                return "; comment " + randomBytes(10);
            case 5:
                return "";
            case 6:
                return "UnknownKey=" + value();
            case 7:
                return chance(10) ? QByteArray(20000, 'x') : randomBytes(60);
            default:
                return "line without equals";
        }
    }

    QRandomGenerator random_;
};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
QByteArray trimmedBlanks(QByteArray text) {
    while (!text.isEmpty() && isBlank(text.front())) text.remove(0, 1);
    while (!text.isEmpty() && isBlank(text.back())) text.chop(1);
    return text;
}

/// The file's lines (with their ends) that are not the program's own: neither one of its keys
/// inside a [TamoruWatch] section, nor the header of a section the save had to add.
QList<QByteArray> unrelatedLines(const QByteArray& data, bool dropAddedHeader) {
    QList<QByteArray> kept;
    bool inOurSection = false;
    bool sawOurSection = false;
    qsizetype begin = 0;
    while (begin < data.size()) {
        const qsizetype newline = data.indexOf('\n', begin);
        const qsizetype end = newline < 0 ? data.size() : newline + 1;
        const QByteArray whole = data.mid(begin, end - begin);
        QByteArray text = whole;
        if (begin == 0 && text.startsWith("\xEF\xBB\xBF")) text.remove(0, 3);
        if (text.endsWith('\n')) text.chop(text.endsWith("\r\n") ? 2 : 1);
        begin = end;
        const QByteArray trimmed = trimmedBlanks(text);
        if (trimmed.startsWith('[') && trimmed.contains(']')) {
            const QByteArray name = trimmedBlanks(trimmed.mid(1, trimmed.indexOf(']') - 1));
            inOurSection = name.compare("TamoruWatch", Qt::CaseInsensitive) == 0;
            if (inOurSection && dropAddedHeader && !sawOurSection) {
                sawOurSection = true;
                continue;
            }
            sawOurSection = sawOurSection || inOurSection;
        } else if (inOurSection && text.contains('=')) {
            const QByteArray key = trimmedBlanks(text.left(text.indexOf('=')));
            bool ours = false;
            for (const QByteArray& k : kKeys)
                ours = ours || key.compare(k, Qt::CaseInsensitive) == 0;
            if (ours) continue;
        }
        kept << whole;
    }
    // A last line that had no line end may have been given one when a key was added after it.
    if (!kept.isEmpty()) {
        QByteArray& last = kept.last();
        if (last.endsWith('\n')) last.chop(last.endsWith("\r\n") ? 2 : 1);
    }
    return kept;
}

bool hasOurSection(const QByteArray& data) {
    return unrelatedLines(data, true) != unrelatedLines(data, false);
}

}  // namespace

class SettingsFuzzTest : public QObject {
    Q_OBJECT
private slots:
    void generatedFiles() {
        FakeMachine machine;
        frmStopwatch form(machine.environment());
        const QString path = machine.dir.filePath("TamoruWatch.ini");
        FileGenerator generator(20261209);
        for (int round = 0; round < 3000; ++round) {
            const QByteArray original = generator.file();
            writeFile(path, original);
            form.state = StopwatchState{};
            form.LoadSettings();
            const StopwatchState loaded = form.state;
            form.SaveSettings();
            const QByteArray saved = readFile(path);

            const QList<QByteArray> before = unrelatedLines(original, false);
            const QList<QByteArray> after = unrelatedLines(saved, !hasOurSection(original));
            QVERIFY2(before == after, qPrintable(QStringLiteral("round %1").arg(round)));

            machine.messages.clear();
            form.state = StopwatchState{};
            form.LoadSettings();
            QVERIFY2(machine.messages.isEmpty(), qPrintable(QStringLiteral("round %1").arg(round)));
            const StopwatchState& again = form.state;
            QCOMPARE(again.showButton, loaded.showButton);
            QCOMPARE(again.showDigital, loaded.showDigital);
            QCOMPARE(again.showAnalog, loaded.showAnalog);
            QCOMPARE(again.lapType, loaded.lapType);
            QCOMPARE(again.analogScale, loaded.analogScale);
            QCOMPARE(again.analogColor, loaded.analogColor.value_or(QStringLiteral("ERROR")));
            QCOMPARE(again.windowForceFront, loaded.windowForceFront);
            QCOMPARE(again.behaviorMode, loaded.behaviorMode);
            QCOMPARE(again.playSound, loaded.playSound);
        }
    }
};

QTEST_MAIN(SettingsFuzzTest)
#include "tst_settings_fuzz.moc"
