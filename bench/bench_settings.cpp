// Start-up and close with a 50 MB settings file of short lines (and, beside it, the shipped
// one): the nine reads of start-up, one of the nine writes at close, and, side by side with
// the write, one plain write + fsync of the same 50 MB, which a key's write may cost at most
// 1.5 times. Run (the file goes to TMPDIR, /tmp by default; use a disk, not a tmpfs, to count
// the flushes):
//   QT_QPA_PLATFORM=offscreen build/bench/bench_settings
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "shell/frmStopwatch.h"

namespace {

constexpr qsizetype kBigFile = 50 * 1024 * 1024;

enum class Layout { Shipped, NotesAfter, KeysLast };

/// The shipped settings; or them followed by short comment lines up to 50 MB; or 50 MB of
/// two-byte lines and the shipped settings last, where every read and write scans it all.
QByteArray settingsOf(Layout layout) {
    QFile shipped(QStringLiteral(TAMORU_SOURCE_DIR "/assets/TamoruWatch.ini"));
    const QByteArray settings =
        shipped.open(QIODevice::ReadOnly) ? shipped.readAll() : QByteArray();
    if (layout == Layout::Shipped) return settings;
    QByteArray data;
    data.reserve(kBigFile + settings.size());
    if (layout == Layout::NotesAfter) {
        data = settings;
        for (int line = 0; data.size() < kBigFile; ++line)
            data += "; note " + QByteArray::number(line) + '\n';
        return data;
    }
    while (data.size() < kBigFile) data += "x\n";
    return data + settings;
}

struct ProgramFolder {
    QTemporaryDir dir;
    QByteArray content;
    explicit ProgramFolder(Layout layout) : content(settingsOf(layout)) {
        QFile file(dir.filePath(QStringLiteral("TamoruWatch.ini")));
        if (file.open(QIODevice::WriteOnly)) file.write(content);
    }
    platform::Environment environment() const {
        return {[] { return 0u; }, [](const QString&) {}, dir.path(), {}, {}, {}};
    }
};

Layout layoutFor(const benchmark::State& state) {
    return Layout(state.range(0));
}

void BM_StartReadsNineKeys(benchmark::State& state) {
    const ProgramFolder folder(layoutFor(state));
    frmStopwatch form(folder.environment());
    for (auto _ : state) form.LoadSettings();
    state.SetBytesProcessed(state.iterations() * folder.content.size());
}

void BM_CloseWritesOneKey(benchmark::State& state) {
    const ProgramFolder folder(layoutFor(state));
    frmStopwatch form(folder.environment());
    const QString path = folder.dir.filePath(QStringLiteral("TamoruWatch.ini"));
    int value = 0;
    for (auto _ : state) {
        // A changed value each time, so that every write really replaces the file.
        form.WriteIniString(QString::number(++value % 2), QStringLiteral("PlaySound"), path);
    }
}

void BM_PlainWriteAndFsync(benchmark::State& state) {
    const ProgramFolder folder(layoutFor(state));
    const QByteArray path = QFile::encodeName(folder.dir.filePath(QStringLiteral("plain")));
    for (auto _ : state) {
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        for (qsizetype done = 0; done < folder.content.size();) {
            const ssize_t written = ::write(fd, folder.content.constData() + done,
                                            std::size_t(folder.content.size() - done));
            if (written <= 0) break;
            done += written;
        }
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

// Argument 0: the shipped file; 1: 50 MB of notes after it; 2: 50 MB of tiny lines before it.
BENCHMARK(BM_StartReadsNineKeys)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CloseWritesOneKey)
    ->Arg(1)
    ->Arg(2)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainWriteAndFsync)
    ->Arg(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
