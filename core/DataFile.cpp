// Regular-file checks, the non-blocking open, the reading by blocks and the atomic save of the data files.
#include "DataFile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// As the file system checks it for this thread, which may act as another user.
bool writable(const QString &path)
{
    return faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) == 0;
}

} // namespace

DataFile::Kind DataFile::kindOf(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status
    {};
    if (lstat(name.constData(), &status) != 0)
        return errno == ENOENT || errno == ENOTDIR ? Kind::Missing : Kind::Other;
    if (stat(name.constData(), &status) != 0)
        return Kind::Other;
    return S_ISREG(status.st_mode) ? Kind::Regular : Kind::Other;
}

bool DataFile::openForReading(QFile &file, const QString &path)
{
    if (kindOf(path) != Kind::Regular)
        return false;
    // The name may have been replaced since the check: O_NONBLOCK keeps a FIFO from stopping the open.
    const int fd = open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status
    {};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0
        || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        close(fd);
        return false;
    }
    return true;
}

bool DataFile::readBlocks(QFile &file, const std::function<bool(std::string_view)> &bytes,
                          const std::function<bool(qint64)> &zeros)
{
    const int fd = file.handle();
    std::vector<char> block(64 * 1024);
    off_t at = 0;
    for (;;) {
        // Where the file system tells holes apart, a hole costs neither reading nor memory.
        const off_t data = lseek(fd, at, SEEK_DATA);
        if (data < 0 && errno == ENXIO) {
            const off_t end = lseek(fd, 0, SEEK_END);
            if (end > at)
                zeros(end - at);
            return true;
        }
        if (data > at) {
            if (!zeros(data - at))
                return true;
            at = data;
        }
        const ssize_t got = pread(fd, block.data(), block.size(), at);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0 || !bytes(std::string_view(block.data(), std::size_t(got))))
            return true;
        at += got;
    }
}

qint64 DataFile::leadingData(QFile &file)
{
    const off_t hole = lseek(file.handle(), 0, SEEK_HOLE);
    return hole < 0 ? file.size() : qint64(hole);
}

QString DataFile::folderOf(const QString &path)
{
    const QFileInfo info(path);
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ? info.absolutePath() : QFileInfo(target).absolutePath();
}

DataFile::SaveResult DataFile::save(const QString &path, const QByteArray &bytes)
{
    const Kind kind = kindOf(path);
    if (kind == Kind::Other)
        return SaveResult::NotCreated;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        // Writing the file in place would truncate it first: a kill or a full disk would then cut it.
        if (kind == Kind::Regular && writable(path) && !writable(folderOf(path)))
            return SaveResult::FolderNotWritable;
        return SaveResult::NotCreated;
    }
    // Small writes stay buffered until the flush, and commit() would rename even after a failed flush.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return SaveResult::WriteFailed;
    }
    return file.commit() ? SaveResult::Saved : SaveResult::WriteFailed;
}
