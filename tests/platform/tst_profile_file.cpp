#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/ProfileFile.h"

using platform::readProfileString;
using platform::writeProfileString;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void put(const QString& path, const QByteArray& data) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(data);
}

}  // namespace

class ProfileFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path_;

private slots:
    void init() {
        path_ = dir_.filePath(QStringLiteral("t.ini"));
        QFile::remove(path_);
    }

    void reading_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("plain") << QByteArray("[S]\nk=v\n") << QByteArray("S") << QByteArray("k")
                               << QByteArray("v");
        QTest::newRow("names ignore case")
            << QByteArray("[tamoruWATCH]\nSHOWBUTTON=1\n") << QByteArray("TamoruWatch")
            << QByteArray("Showbutton") << QByteArray("1");
        QTest::newRow("blanks around names and =")
            << QByteArray(" [ S ] \n\t k \t=  v w \r\n") << QByteArray("S") << QByteArray("k")
            << QByteArray("v w");
        QTest::newRow("empty value")
            << QByteArray("[S]\nk=\n") << QByteArray("S") << QByteArray("k") << QByteArray("");
        QTest::newRow("missing key") << QByteArray("[S]\nother=1\n") << QByteArray("S")
                                     << QByteArray("k") << QByteArray("ERROR");
        QTest::newRow("key of another section")
            << QByteArray("[T]\nk=1\n[S]\nj=2\n") << QByteArray("S") << QByteArray("k")
            << QByteArray("ERROR");
        QTest::newRow("missing section")
            << QByteArray("k=1\n") << QByteArray("S") << QByteArray("k") << QByteArray("ERROR");
        QTest::newRow("first of duplicates")
            << QByteArray("[S]\nk=1\nk=2\n[S]\nk=3\n") << QByteArray("S") << QByteArray("k")
            << QByteArray("1");
        QTest::newRow("cut at NUL") << QByteArray("[S]\nk=ab\0cd\n", 12) << QByteArray("S")
                                    << QByteArray("k") << QByteArray("ab");
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[S]\nk=1") << QByteArray("S")
                                         << QByteArray("k") << QByteArray("1");
        QTest::newRow("no newline at end")
            << QByteArray("[S]\nk=7") << QByteArray("S") << QByteArray("k") << QByteArray("7");
        QTest::newRow("254 bytes kept")
            << QByteArray("[S]\nk=" + QByteArray(254, 'x') + "\n") << QByteArray("S")
            << QByteArray("k") << QByteArray(254, 'x');
        QTest::newRow("longer cut to 254")
            << QByteArray("[S]\nk=" + QByteArray(254, 'x') + "yz\n") << QByteArray("S")
            << QByteArray("k") << QByteArray(254, 'x');
        QTest::newRow("line without =")
            << QByteArray("[S]\nk\nk=5\n") << QByteArray("S") << QByteArray("k") << QByteArray("5");
    }
    void reading() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        put(path_, file);
        QCOMPARE(readProfileString(path_, section, key, "ERROR"), value);
    }

    void missingFileReadsTheFallback() {
        QCOMPARE(readProfileString(path_, "S", "k", "ERROR"), QByteArray("ERROR"));
        QVERIFY(!QFile::exists(path_));
    }

    void writing_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("remove");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("creates file and section")
            << QByteArray() << QByteArray("k") << QByteArray("1") << false
            << QByteArray("[S]\nk=1\n");
        QTest::newRow("replaces in place, keeping everything else")
            << QByteArray("; note\n[T]\nk=9\n\n[S]\r\nx=1\r\n K = 2 \r\ny=3\r\n") << QByteArray("k")
            << QByteArray("5") << false
            << QByteArray("; note\n[T]\nk=9\n\n[S]\r\nx=1\r\nk=5\r\ny=3\r\n");
        QTest::newRow("appends at the end of its section, before blank lines")
            << QByteArray("[S]\nx=1\n\n[T]\ny=2\n") << QByteArray("k") << QByteArray("v") << false
            << QByteArray("[S]\nx=1\nk=v\n\n[T]\ny=2\n");
        QTest::newRow("appends after a last line without newline")
            << QByteArray("[S]\r\nx=1") << QByteArray("k") << QByteArray("v") << false
            << QByteArray("[S]\r\nx=1\r\nk=v");
        QTest::newRow("adds the section after other sections")
            << QByteArray("[T]\r\ny=2") << QByteArray("k") << QByteArray("v") << false
            << QByteArray("[T]\r\ny=2\r\n[S]\r\nk=v\r\n");
        QTest::newRow("empty value") << QByteArray("[S]\nk=old\n") << QByteArray("k")
                                     << QByteArray() << false << QByteArray("[S]\nk=\n");
        QTest::newRow("no value removes every line of the key")
            << QByteArray("[S]\nk=1\nx=2\n[T]\nk=3\n[s]\nK=4\n") << QByteArray("k") << QByteArray()
            << true << QByteArray("[S]\nx=2\n[T]\nk=3\n[s]\n");
        QTest::newRow("keeps a byte order mark")
            << QByteArray("\xEF\xBB\xBF[S]\nk=1\n") << QByteArray("k") << QByteArray("2") << false
            << QByteArray("\xEF\xBB\xBF[S]\nk=2\n");
    }
    void writing() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        QFETCH(bool, remove);
        QFETCH(QByteArray, after);
        if (!before.isNull()) put(path_, before);
        QVERIFY(writeProfileString(path_, "S", key,
                                   remove ? std::nullopt : std::optional<QByteArray>(value)));
        QCOMPARE(contents(path_), after);
    }

    void removingFromAMissingFileCreatesNothing() {
        QVERIFY(writeProfileString(path_, "S", "k", std::nullopt));
        QVERIFY(!QFile::exists(path_));
    }

    void readOnlyFileIsNeverChanged() {
        put(path_, "[S]\nk=1\n");
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        QVERIFY(!writeProfileString(path_, "S", "k", QByteArray("2")));
        QCOMPARE(contents(path_), QByteArray("[S]\nk=1\n"));
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner);
    }

    void unwritableDirectoryIsNeverChanged() {
        const QString sub = dir_.filePath(QStringLiteral("locked"));
        QVERIFY(QDir().mkpath(sub));
        const QString file = sub + QStringLiteral("/t.ini");
        put(file, "[S]\nk=1\n");
        QFile::setPermissions(sub, QFile::ReadOwner | QFile::ExeOwner);
        QVERIFY(!writeProfileString(file, "S", "k", QByteArray("2")));
        QVERIFY(!writeProfileString(sub + QStringLiteral("/new.ini"), "S", "k", QByteArray("2")));
        QFile::setPermissions(sub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(contents(file), QByteArray("[S]\nk=1\n"));
        QVERIFY(!QFile::exists(sub + QStringLiteral("/new.ini")));
        QVERIFY(!writeProfileString(dir_.filePath(QStringLiteral("absent/t.ini")), "S", "k",
                                    QByteArray("1")));
    }

    // The file is replaced, never rewritten in place: a reader that holds the old file keeps
    // reading the old content whole, and no temporary file is left behind.
    void writesReplaceTheFileAtomically() {
        put(path_, "[S]\nk=1\n");
        struct stat before {};
        QCOMPARE(stat(QFile::encodeName(path_).constData(), &before), 0);
        QFile oldHandle(path_);
        QVERIFY(oldHandle.open(QIODevice::ReadOnly));
        QVERIFY(writeProfileString(path_, "S", "k", QByteArray("22")));
        struct stat after {};
        QCOMPARE(stat(QFile::encodeName(path_).constData(), &after), 0);
        QVERIFY(before.st_ino != after.st_ino);
        QCOMPARE(oldHandle.readAll(), QByteArray("[S]\nk=1\n"));
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("t.ini")});
    }
};

QTEST_APPLESS_MAIN(ProfileFileTest)
#include "tst_profile_file.moc"
