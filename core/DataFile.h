// Access to the two data files: only regular files are read or written over, and a save that did
// not reach the disk whole says so.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace DataFile {

enum class Kind { Missing, Regular, Other };
// What the name leads to, links followed: a folder, a FIFO, a device or a link to nothing is Other.
Kind kindOf(const QString &path);

// Opens a regular file for reading. Never opens a device nor waits on a FIFO; false for them.
bool openForReading(QFile &file, const QString &path);

enum class SaveResult { Saved, NotCreated, WriteFailed };
// Writes the bytes through a temporary file renamed over the old one, which stays whole on failure.
// When only the file, not its folder, is writable, the bytes are written in place instead.
// A name that leads to anything but a regular file is never written over (NotCreated).
SaveResult save(const QString &path, const QByteArray &bytes);

} // namespace DataFile
