// Regular-file checks, the non-blocking open and the checked save of the data files.
#include "DataFile.h"

#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

DataFile::SaveResult DataFile::save(const QString &path, const QByteArray &bytes)
{
    if (kindOf(path) == Kind::Other)
        return SaveResult::NotCreated;
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return SaveResult::NotCreated;
    // Small writes stay buffered until the flush, and commit() would rename even after a failed flush.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        // The commit drops the temporary file; a file written in place is left as it is, where
        // letting the QSaveFile go uncommitted would delete it.
        file.cancelWriting();
        file.commit();
        return SaveResult::WriteFailed;
    }
    return file.commit() ? SaveResult::Saved : SaveResult::WriteFailed;
}
