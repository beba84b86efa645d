// Reading and writing one key of a profile ("INI") file: "[section]" lines followed by
// "key=value" lines. Section and key names match without regard to case, and blanks around
// names and "=" are ignored when reading. Writing touches only the key's own line: every other
// line (comments, other sections, blank lines, unknown keys, LF, CRLF or CR line ends) stays
// byte for byte, and the file is replaced atomically, so a crash or a full disk leaves either the
// old or the new file.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "platform/RegularFile.h"

namespace platform {

/// The longest value a read returns; a longer one arrives cut to this many bytes.
constexpr qsizetype kProfileValueLimit = 254;

/// The value of `key` in `section` (blanks around it removed, cut at a NUL byte and at
/// kProfileValueLimit bytes), or `fallback` when the file, the section or the key is missing.
QByteArray readProfileString(const QString& path, const QByteArray& section, const QByteArray& key,
                             const QByteArray& fallback);

/// Sets `key` to `value` in `section`: replaces the key's line in place, or adds it at the end
/// of the section, creating the section and the file when missing. Without a value, removes
/// the key. A symbolic link is written through to its target. Returns false, changing nothing
/// and leaving no temporary file, when the file or its directory can't be written, when it is
/// not a regular file, or when any step of the replacement fails (a full disk, say).
bool writeProfileString(const QString& path, const QByteArray& section, const QByteArray& key,
                        const std::optional<QByteArray>& value,
                        const FileSystemCalls& calls = systemFileCalls());

}  // namespace platform
