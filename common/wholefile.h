#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <variant>

// Files written whole or not at all, and read only where they are files. Every failure
// is told in Turkish words that follow a file's name in a sentence ("diskte yer
// kalmadı"), with the system's own words after them in parentheses.

// Writes `bytes` to the file at `path`: into a new file beside it, flushed, synced to the
// disk and checked, and only then put in the place of the earlier file. On any failure
// the earlier file stays byte for byte as it was and nothing is left behind. Nothing
// on success, else why it failed.
std::optional<QString> writeWholeFile(const QString &path, const QByteArray &bytes);

// At most `limit` + 1 bytes of the regular file at `path` (one byte past the limit tells
// a file that is too large without reading it all), or why there are none. A folder, a
// pipe, a device or a socket is refused at once, without waiting on it.
std::variant<QByteArray, QString> readRegularFile(const QString &path, qint64 limit);
