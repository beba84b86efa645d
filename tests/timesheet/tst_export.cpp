// The timing-sheet export from the window: when it is offered, which file it writes in which
// format, what it asks and says, and the key lengths each lap line describes.
#include <sys/stat.h>

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QListView>
#include <QMenu>
#include <QStandardPaths>
#include <QtTest>

#include "support/LoadedWindow.h"
#include "timesheet/TimingTable.h"
#include "timesheet/Xdts.h"

namespace {

struct Window : LoadedWindow {
    Window() : LoadedWindow(kDefaultSettings) {}

    /// A run with splits at these times since Start: laps, then Stop at the last.
    void run(std::initializer_list<uint32_t> splits) {
        form->cmdStart_Click();
        uint32_t at = 0;
        for (auto split = splits.begin(); split != splits.end(); ++split) {
            machine.advance(*split - at);
            at = *split;
            if (std::next(split) == splits.end()) {
                form->cmdStart_Click();
            } else {
                form->cmdLap_Click();
            }
        }
    }
    QString exportTo(const QString& typed, int filter) {
        machine.saveChoice = platform::SaveChoice{machine.dir.filePath(typed), filter};
        form->mnuExportTimesheet.trigger();
        return machine.dir.filePath(typed);
    }
    bool offered() const { return form->mnuExportTimesheet.enabled(); }
};

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

const std::vector<int32_t> kExample{512, 1263, 1280, 2007};

}  // namespace

class ExportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void theItemSitsAboveQuitWithCtrlS() {
        Window w;
        const QList<QAction*> items = w->mnuFile.menu()->actions();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]->text(), QStringLiteral("ﾀｲﾑｼｰﾄ書き出し..."));
        QCOMPARE(items[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(items[1]->text(), QStringLiteral("終了"));
    }

    void offeredOnlyWhileStoppedWithEntries() {
        Window w;
        QVERIFY(!w.offered());
        w->cmdStart_Click();
        QVERIFY(!w.offered());
        w.machine.advance(500);
        w->cmdLap_Click();
        QVERIFY(!w.offered());  // the pointer is kept in the window: no dialog could be used
        w->cmdStart_Click();
        QVERIFY(w.offered());
        w->cmdStart_Click();
        QVERIFY(!w.offered());
        w->cmdStart_Click();
        w->cmdLap_Click();  // Reset
        QVERIFY(!w.offered());
        w.machine.saveChoice = platform::SaveChoice{w.machine.dir.filePath("x"), 0};
        w->mnuExportTimesheet.trigger();  // as Ctrl+S would: nothing while disabled
        QVERIFY(w.machine.saveDialogFolders.isEmpty());
    }

    void writesTheChosenFormat_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("written");
        QTest::addColumn<bool>("xdts");
        QTest::newRow("XDTS filter") << "c01" << 0 << "c01.xdts" << true;
        QTest::newRow("CSV filter") << "c01" << 1 << "c01.csv" << false;
        QTest::newRow("typed .csv, XDTS filter") << "c01.csv" << 0 << "c01.csv" << false;
        QTest::newRow("a name with dots") << "c01.s02" << 0 << "c01.s02.xdts" << true;
    }
    void writesTheChosenFormat() {
        QFETCH(QString, typed);
        QFETCH(int, filter);
        QFETCH(QString, written);
        QFETCH(bool, xdts);
        Window w;
        w.run({512, 1263, 1280, 2007});
        w.exportTo(typed, filter);
        const QString path = w.machine.dir.filePath(written);
        QCOMPARE(contents(path), xdts
                                     ? XdtsDocument(kExample, QFileInfo(written).completeBaseName())
                                     : TimingTable(kExample, kCsvFile));
        QCOMPARE(w.machine.saveDialogFilters,
                 QStringList({"XDTS タイムシート (*.xdts)", "CSV (*.csv)"}));
        QVERIFY(w.machine.informations.isEmpty() && w.machine.replaceQuestions.isEmpty());
        QVERIFY(w.machine.messages.isEmpty());
    }

    // The question names the final file, extension included; No leaves the old file.
    void anExistingFileIsReplacedOnlyWhenConfirmed() {
        Window w;
        w.run({512, 1263});
        const QString path = w.machine.dir.filePath("c01.xdts");
        writeFile(path, "old");
        w.machine.replaceAnswer = false;
        w.exportTo("c01", 0);
        QCOMPARE(w.machine.replaceQuestions.size(), 1);
        QVERIFY(w.machine.replaceQuestions[0].contains(QStringLiteral("c01.xdts")));
        QCOMPARE(contents(path), QByteArray("old"));
        w.machine.replaceAnswer = true;
        w.exportTo("c01", 0);
        QCOMPARE(contents(path), XdtsDocument({512, 1263}, QStringLiteral("c01")));
    }

    void cancelDoesNothing() {
        Window w;
        w.run({512});
        w.machine.saveChoice.reset();
        w->mnuExportTimesheet.trigger();
        QCOMPARE(w.machine.saveDialogFolders.size(), 1);
        QCOMPARE(QDir(w.machine.dir.path()).entryList(QDir::Files),
                 QStringList({"TamoruWatch.ini"}));
        QVERIFY(w.machine.informations.isEmpty());
    }

    void theDialogOpensInDocumentsThenInTheLastFolder() {
        Window w;
        w.run({512});
        QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        w.machine.saveChoice.reset();
        w->mnuExportTimesheet.trigger();
        QCOMPARE(w.machine.saveDialogFolders.last(),
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QDir(w.machine.dir.path()).mkdir("shots");
        w.exportTo("shots/c01", 1);
        w.machine.saveChoice.reset();
        w->mnuExportTimesheet.trigger();
        QCOMPARE(w.machine.saveDialogFolders.last(), w.machine.dir.filePath("shots"));
    }

    // Splits inside the first frame give no key a length: nothing to put on a sheet as XDTS,
    // while the CSV still lists them.
    void nothingOneFrameLongIsNoXdts() {
        Window w;
        w.run({10, 30});
        w.exportTo("short", 0);
        QCOMPARE(w.machine.informations.size(), 1);
        QVERIFY(!QFile::exists(w.machine.dir.filePath("short.xdts")));
        w.machine.informations.clear();
        w.exportTo("short", 1);
        QCOMPARE(contents(w.machine.dir.filePath("short.csv")), TimingTable({10, 30}, kCsvFile));
        QVERIFY(w.machine.informations.isEmpty());
    }

    // A failure says which file and why, in an information box, and leaves the old file.
    void aFailedWriteSaysWhyAndKeepsTheOldFile() {
        Window w;
        w.run({512, 1263});
        w.exportTo("absent/c01", 0);
        QCOMPARE(w.machine.informations.size(), 1);
        QVERIFY(w.machine.informations[0].contains(QStringLiteral("absent/c01.xdts")));
        QVERIFY(w.machine.informations[0].contains(QString::fromLocal8Bit(std::strerror(ENOENT))));
        QVERIFY(w.machine.messages.isEmpty());  // not the trapped-error box

        const QString locked = w.machine.dir.filePath("locked");
        QDir().mkdir(locked);
        writeFile(locked + "/c01.csv", "old");
        QCOMPARE(chmod(QFile::encodeName(locked).constData(), 0500), 0);
        w.machine.informations.clear();
        w.exportTo("locked/c01", 1);
        chmod(QFile::encodeName(locked).constData(), 0700);
        if (geteuid() != 0) QCOMPARE(w.machine.informations.size(), 1);
        if (geteuid() != 0) QCOMPARE(contents(locked + "/c01.csv"), QByteArray("old"));
    }

    void eachLineDescribesItsKey() {
        Window w;
        w.run({512, 1263, 1280, 2007});
        const auto description = [&](int row) {
            auto* view = static_cast<QListView*>(w->lstLap.widget());
            const QModelIndex index = view->model()->index(row, 0);
            const QString tip = index.data(Qt::ToolTipRole).toString();
            return tip == index.data(Qt::AccessibleDescriptionRole).toString() ? tip : QString();
        };
        QCOMPARE(description(0), QStringLiteral("キー 1: 12 コマ (0+12)"));
        QCOMPARE(description(1), QStringLiteral("キー 2: 18 コマ (0+18)"));
        QCOMPARE(description(2), QStringLiteral("キー 3: 0 コマ (0+0)"));
        w->mnuShowSSK_Click();  // a rebuild in another notation
        QCOMPARE(description(3), QStringLiteral("キー 4: 18 コマ (0+18)"));
    }

    void ctrlShiftCCopiesTheTable() {
        Window w;
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::keyClick(w.form.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));  // no entries
        w.run({512, 1263, 1280, 2007});
        QTest::keyClick(w.form.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString::fromUtf8(TimingTable(kExample, kTabSeparated)));
    }
};

QTEST_MAIN(ExportTest)
#include "tst_export.moc"
