// Access to the two data files: only regular files are read or written over, reading keeps to
// blocks, and a save either replaces the file whole or leaves it as it was.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <functional>
#include <string_view>

namespace DataFile {

enum class Kind { Missing, Regular, Other };
// What the name leads to, links followed: a folder, a FIFO, a device or a link to nothing is Other.
Kind kindOf(const QString &path);

// Opens a regular file for reading. Never opens a device nor waits on a FIFO; false for them.
bool openForReading(QFile &file, const QString &path);

// Reads an open file in blocks of 64 KiB, handing each to bytes until it returns false. A hole of
// a sparse file, all zero bytes, is handed to zeros as its length instead, never read.
// False when reading failed.
bool readBlocks(QFile &file, const std::function<bool(std::string_view)> &bytes,
                const std::function<bool(qint64)> &zeros);

// How many bytes the open file holds before its first hole, or before its end when it has none.
qint64 leadingData(QFile &file);

enum class SaveResult { Saved, NotCreated, WriteFailed, FolderNotWritable };
// Writes the bytes to a temporary file beside the old one, then renames it over the old one,
// which stays whole on any failure and at a kill at any moment. Never writes in place: when the
// file is writable but its folder takes no new file, nothing is written (FolderNotWritable).
// A name that leads to anything but a regular file is never written over (NotCreated).
SaveResult save(const QString &path, const QByteArray &bytes);

// The folder that holds the file a save would replace, links followed, as an absolute path.
QString folderOf(const QString &path);

} // namespace DataFile
