// Reading and replacing files that must be ordinary files. A FIFO, socket, device or directory
// in a file's place is treated as unreadable and is never opened for writing, so start-up can't
// block on one and a save can't pour settings into one.
#pragma once

#include <sys/types.h>

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstddef>
#include <optional>
#include <vector>

namespace platform {

/// The system calls a file replacement makes, so that tests can make any of them fail.
struct FileSystemCalls {
    int (*open)(const char* path, int flags, mode_t mode);
    ssize_t (*write)(int fd, const void* data, std::size_t size);
    int (*fsync)(int fd);
    int (*close)(int fd);
    int (*rename)(const char* from, const char* to);
};

/// The real calls.
const FileSystemCalls& systemFileCalls();

/// The whole content of the regular file at `path` (symbolic links followed), or nothing when it
/// is missing, unreadable or not a regular file. Never blocks on a FIFO, never creates a file.
std::optional<QByteArray> readRegularFile(const QString& path);

/// The file a write to `path` must replace: `path` itself, or the target of the symbolic link(s)
/// it names, so that a link stays a link. Nothing when the name is a dangling link or names
/// something other than a regular file; `path` itself when nothing is there yet.
std::optional<QString> writeTargetFor(const QString& path);

/// Replaces the regular file `path` (or creates it) with the pieces of `data`, one after the
/// other, atomically: a temporary file
/// beside it is written, flushed to disk and renamed over it, and the folder is flushed too.
/// On any failure the old file is untouched and the temporary file is gone. Keeps the old file's
/// permission bits. Returns 0, or the errno of the call that failed.
int replaceFileContent(const QString& path, const std::vector<QByteArrayView>& data,
                       const FileSystemCalls& calls = systemFileCalls());

/// Replaces the file at `path` with `data` as replaceFileContent() does, writing through a
/// symbolic link to its target. Returns 0, or the errno of what failed: EISDIR or EINVAL when a
/// folder or something other than a regular file is in the way.
int writeRegularFile(const QString& path, const QByteArray& data);

}  // namespace platform
