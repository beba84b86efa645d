#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>

#include "platform/ProfileFile.h"
#include "platform/RegularFile.h"

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
        QTest::newRow("a lone CR at the end stays an ordinary byte")
            << QByteArray("[S]\rx=1\r") << QByteArray("k") << QByteArray("v") << false
            << QByteArray("[S]\rx=1\r\r\nk=v");
        QTest::newRow("a new section after a lone CR")
            << QByteArray("[T]\ry=2\r") << QByteArray("k") << QByteArray("v") << false
            << QByteArray("[T]\ry=2\r\r\n[S]\nk=v\n");
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

    // Each step of a replacement can fail (a full disk, a flaky network file system); whichever
    // it is, the old file stays byte for byte and no temporary file is left.
    void aFailedWriteChangesNothing_data() {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<bool>("existing");
        for (const char* step :
             {"open", "short write", "no progress", "fsync", "close", "rename"}) {
            QTest::addRow("%s, existing file", step) << QString::fromLatin1(step) << true;
            QTest::addRow("%s, new file", step) << QString::fromLatin1(step) << false;
        }
    }
    void aFailedWriteChangesNothing() {
        QFETCH(QString, failing);
        QFETCH(bool, existing);
        static QString step;
        step = failing;
        platform::FileSystemCalls calls = platform::systemFileCalls();
        calls.open = [](const char* path, int flags, mode_t mode) {
            if (step == QLatin1String("open") && (flags & O_CREAT)) return errno = EACCES, -1;
            return ::open(path, flags, mode);
        };
        calls.write = [](int fd, const void* data, std::size_t size) -> ssize_t {
            if (step == QLatin1String("short write"))
                return ::write(fd, data, size / 2) >= 0 ? (errno = ENOSPC, -1) : -1;
            if (step == QLatin1String("no progress")) return 0;
            return ::write(fd, data, size);
        };
        calls.fsync = [](int fd) {
            return step == QLatin1String("fsync") ? (::fsync(fd), errno = EIO, -1) : ::fsync(fd);
        };
        calls.close = [](int fd) {
            return step == QLatin1String("close") ? (::close(fd), errno = EIO, -1) : ::close(fd);
        };
        calls.rename = [](const char* from, const char* to) {
            return step == QLatin1String("rename") ? (errno = EXDEV, -1) : ::rename(from, to);
        };
        const QByteArray before("; mine\n[S]\nk=1\n");
        if (existing) put(path_, before);
        QVERIFY(!writeProfileString(path_, "S", "k", QByteArray("2"), calls));
        QCOMPARE(contents(path_), existing ? before : QByteArray("<missing>"));
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden),
                 existing ? QStringList{QStringLiteral("t.ini")} : QStringList());
    }

    void theFileKeepsItsPermissions() {
        put(path_, "[S]\nk=1\n");
        const QByteArray name = QFile::encodeName(path_);
        QCOMPARE(chmod(name.constData(), 0640), 0);
        QVERIFY(writeProfileString(path_, "S", "k", QByteArray("2")));
        struct stat info {};
        QCOMPARE(stat(name.constData(), &info), 0);
        QCOMPARE(info.st_mode & 07777, mode_t(0640));
    }

    // A FIFO must not block the reader (nobody writes to it) and nothing but a regular file is
    // ever written or replaced.
    void onlyRegularFilesAreReadOrWritten_data() {
        QTest::addColumn<QString>("kind");
        for (const char* kind :
             {"fifo", "socket", "directory", "link to /dev/zero", "link to fifo"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void onlyRegularFilesAreReadOrWritten() {
        QFETCH(QString, kind);
        const QByteArray name = QFile::encodeName(path_);
        const QString fifo = dir_.filePath(QStringLiteral("fifo"));
        QFile::remove(fifo);
        if (kind == QLatin1String("fifo")) QCOMPARE(mkfifo(name.constData(), 0600), 0);
        if (kind == QLatin1String("directory")) QVERIFY(QDir().mkdir(path_));
        if (kind == QLatin1String("link to /dev/zero"))
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path_));
        if (kind == QLatin1String("link to fifo")) {
            QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
            QVERIFY(QFile::link(fifo, path_));
        }
        int listening = -1;
        if (kind == QLatin1String("socket")) {
            listening = socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            qstrncpy(address.sun_path, name.constData(), sizeof address.sun_path);
            QCOMPARE(bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        }
        QCOMPARE(readProfileString(path_, "S", "k", "ERROR"), QByteArray("ERROR"));
        QVERIFY(!platform::readRegularFile(path_));
        QVERIFY(!writeProfileString(path_, "S", "k", QByteArray("2")));
        const QFileInfo after(path_);
        QVERIFY(!after.isFile() || after.isSymLink());
        if (listening >= 0) ::close(listening);
        QFile::remove(path_);
        QDir().rmdir(path_);
        QFile::remove(fifo);
    }

    // Written through a link, the link stays a link and its target gets the change.
    void aLinkIsWrittenThrough() {
        const QString target = dir_.filePath(QStringLiteral("real.ini"));
        put(target, "[S]\nk=1\n");
        QVERIFY(QFile::link(target, path_));
        QVERIFY(writeProfileString(path_, "S", "k", QByteArray("2")));
        QVERIFY(QFileInfo(path_).isSymLink());
        QCOMPARE(contents(target), QByteArray("[S]\nk=2\n"));
        QFile::remove(target);
    }

    void aDanglingLinkReadsAsMissingAndIsNeverWritten() {
        const QString target = dir_.filePath(QStringLiteral("gone.ini"));
        QVERIFY(QFile::link(target, path_));
        QCOMPARE(readProfileString(path_, "S", "k", "ERROR"), QByteArray("ERROR"));
        QVERIFY(!writeProfileString(path_, "S", "k", QByteArray("2")));
        QVERIFY(!QFile::exists(target));
        QVERIFY(QFileInfo(path_).isSymLink());
    }

    // As root, a link to any file on the system could otherwise get our section appended.
    void aLinkOutOfTheFolderToAForeignFileIsNotWritten() {
        QTemporaryDir elsewhere;
        const QString foreign = elsewhere.filePath(QStringLiteral("passwd"));
        put(foreign, "root:x:0:0:root:/root:/bin/bash\n");
        QVERIFY(QFile::link(foreign, path_));
        QVERIFY(!writeProfileString(path_, "S", "k", QByteArray("2")));
        QCOMPARE(contents(foreign), QByteArray("root:x:0:0:root:/root:/bin/bash\n"));
        put(foreign, "[S]\nk=1\n");  // a settings file kept elsewhere on purpose is fine
        QVERIFY(writeProfileString(path_, "S", "k", QByteArray("2")));
        QCOMPARE(contents(foreign), QByteArray("[S]\nk=2\n"));
    }
};

QTEST_APPLESS_MAIN(ProfileFileTest)
#include "tst_profile_file.moc"
