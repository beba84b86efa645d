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

/// The shipped settings, or them followed by short comment lines up to `size` bytes.
QByteArray settingsOf(qsizetype size) {
    QFile shipped(QStringLiteral(TAMORU_SOURCE_DIR "/assets/TamoruWatch.ini"));
    QByteArray data = shipped.open(QIODevice::ReadOnly) ? shipped.readAll() : QByteArray();
    data.reserve(size);
    for (int line = 0; data.size() < size; ++line)
        data += "; note " + QByteArray::number(line) + '\n';
    return data;
}

struct ProgramFolder {
    QTemporaryDir dir;
    QByteArray content;
    explicit ProgramFolder(qsizetype size) : content(settingsOf(size)) {
        QFile file(dir.filePath(QStringLiteral("TamoruWatch.ini")));
        if (file.open(QIODevice::WriteOnly)) file.write(content);
    }
    platform::Environment environment() const {
        return {[] { return 0u; }, [](const QString&) {}, dir.path()};
    }
};

qsizetype sizeFor(const benchmark::State& state) {
    return state.range(0) ? kBigFile : 0;
}

void BM_StartReadsNineKeys(benchmark::State& state) {
    const ProgramFolder folder(sizeFor(state));
    frmStopwatch form(folder.environment());
    for (auto _ : state) form.LoadSettings();
    state.SetBytesProcessed(state.iterations() * folder.content.size());
}

void BM_CloseWritesOneKey(benchmark::State& state) {
    const ProgramFolder folder(sizeFor(state));
    frmStopwatch form(folder.environment());
    const QString path = folder.dir.filePath(QStringLiteral("TamoruWatch.ini"));
    int value = 0;
    for (auto _ : state) {
        // A changed value each time, so that every write really replaces the file.
        form.WriteIniString(QString::number(++value % 2), QStringLiteral("PlaySound"), path);
    }
}

void BM_PlainWriteAndFsync(benchmark::State& state) {
    const ProgramFolder folder(sizeFor(state));
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

// Argument 0: the shipped file; 1: 50 MB.
BENCHMARK(BM_StartReadsNineKeys)
    ->Arg(0)
    ->Arg(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CloseWritesOneKey)
    ->Arg(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainWriteAndFsync)
    ->Arg(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
