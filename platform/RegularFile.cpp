#include "platform/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace platform {

namespace {

int openFile(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}

const FileSystemCalls kSystemCalls{openFile, ::write, ::fsync, ::close, ::rename};

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
}

/// Closes the descriptor on every path out of a function.
class Descriptor {
public:
    Descriptor(int fd, const FileSystemCalls& calls) : fd_(fd), calls_(calls) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) calls_.close(fd_);
    }
    int get() const { return fd_; }
    /// Closes now and reports whether the close itself succeeded (it may report a late write
    /// error).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return calls_.close(fd) == 0;
    }

private:
    int fd_;
    const FileSystemCalls& calls_;
};

bool writeAll(int fd, QByteArrayView data, const FileSystemCalls& calls) {
    const char* next = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t written = calls.write(fd, next, static_cast<std::size_t>(left));
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return false;
        if (written == 0) {
            errno = ENOSPC;  // a write that makes no progress would loop forever
            return false;
        }
        next += written;
        left -= written;
    }
    return true;
}

QString temporaryNameBeside(const QString& path) {
    static std::atomic<unsigned> counter{0};
    const QFileInfo info(path);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() +
           QStringLiteral(".new-%1-%2").arg(::getpid()).arg(counter++);
}

/// A rename is durable only once the folder that holds the name is on disk.
void syncFolderOf(const QString& path, const FileSystemCalls& calls) {
    const int fd = calls.open(encoded(QFileInfo(path).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0) return;
    calls.fsync(fd);
    calls.close(fd);
}

mode_t modeFor(const QString& path) {
    struct stat info {};
    if (::stat(encoded(path).constData(), &info) == 0) return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

int writeTemporary(const QString& temporary, const std::vector<QByteArrayView>& data, mode_t mode,
                   const FileSystemCalls& calls, bool& created) {
    Descriptor file(
        calls.open(encoded(temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600),
        calls);
    created = file.get() >= 0;
    if (!created) return errno;
    if (::fchmod(file.get(), mode) != 0) return errno;
    for (const QByteArrayView piece : data) {
        if (!writeAll(file.get(), piece, calls)) return errno;
    }
    if (calls.fsync(file.get()) != 0) return errno;
    if (!file.close()) return errno;
    return 0;
}

}  // namespace

const FileSystemCalls& systemFileCalls() {
    return kSystemCalls;
}

std::optional<QByteArray> readRegularFile(const QString& path) {
    const QByteArray name = encoded(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    // Non-blocking, in case a FIFO took the file's place since the check.
    Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC), kSystemCalls);
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    // Straight into the result, sized by the file; a file that grows meanwhile grows it.
    QByteArray data(qsizetype(info.st_size) + 1, Qt::Uninitialized);
    qsizetype size = 0;
    for (;;) {
        if (size == data.size()) data.resize(data.size() * 2);
        const ssize_t got = ::read(file.get(), data.data() + size, std::size_t(data.size() - size));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        size += got;
    }
    data.truncate(size);
    return data;
}

std::optional<QString> writeTargetFor(const QString& path) {
    const QByteArray name = encoded(path);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0) {
        if (errno == ENOENT) return path;
        return std::nullopt;
    }
    if (S_ISREG(info.st_mode)) return path;
    if (!S_ISLNK(info.st_mode)) return std::nullopt;
    char resolved[PATH_MAX];
    if (!::realpath(name.constData(), resolved)) return std::nullopt;  // dangling
    if (::stat(resolved, &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    return QFile::decodeName(resolved);
}

int replaceFileContent(const QString& path, const std::vector<QByteArrayView>& data,
                       const FileSystemCalls& calls) {
    const QString temporary = temporaryNameBeside(path);
    bool created = false;
    int failure = writeTemporary(temporary, data, modeFor(path), calls, created);
    if (failure == 0 &&
        calls.rename(encoded(temporary).constData(), encoded(path).constData()) != 0) {
        failure = errno;
    }
    if (failure != 0) {
        if (created) ::unlink(encoded(temporary).constData());
        return failure;
    }
    syncFolderOf(path, calls);
    return 0;
}

int writeRegularFile(const QString& path, const QByteArray& data) {
    const std::optional<QString> target = writeTargetFor(path);
    if (!target) return QFileInfo(path).isDir() ? EISDIR : EINVAL;
    return replaceFileContent(*target, {QByteArrayView(data)});
}

}  // namespace platform
