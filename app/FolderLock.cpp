// The folder's lock as a kernel lock on a file, so that a game that ends, however it ends, leaves
// nothing that refuses the next start.
#include "FolderLock.h"

#include "Program.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

int openLockFile(const QByteArray &name)
{
    // Never follows a link, never waits on a FIFO; a lock file this user may not write still locks.
    const int fd = open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd >= 0 || (errno != EACCES && errno != EROFS && errno != EISDIR))
        return fd;
    return open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}

} // namespace

FolderLock::FolderLock()
{
    struct stat folder
    {};
    if (stat(".", &folder) == 0)
        m_folderKey = QStringLiteral("%1-%2").arg(quint64(folder.st_dev), 0, 16).arg(quint64(folder.st_ino));
    const QString runtime = runtimeFolder();
    const Outcome inFolder = lockAt(Program::LockFileName, m_inFolder);
    Outcome inRuntime = Outcome::Unavailable;
    if (!runtime.isEmpty() && !m_folderKey.isEmpty())
        inRuntime = lockAt(QStringLiteral("%1/orv-pendu-%2.lock").arg(runtime, m_folderKey), m_inRuntime);
    if (inFolder == Outcome::HeldByAnother)
        m_heldPath = QDir::current().absoluteFilePath(Program::LockFileName);
    else if (inRuntime == Outcome::HeldByAnother)
        m_heldPath = QStringLiteral("%1/orv-pendu-%2.lock").arg(runtime, m_folderKey);
    if (heldByAnother()) {
        release(m_inFolder);
        release(m_inRuntime);
    }
}

FolderLock::~FolderLock()
{
    release(m_inFolder);
    release(m_inRuntime);
}

QString FolderLock::runtimeFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

FolderLock::Outcome FolderLock::lockAt(const QString &path, Held &held)
{
    const QByteArray name = QFile::encodeName(path);
    // A game that ends removes its file between another's open and lock: that other one then
    // holds a file no longer there, and tries again.
    for (int attempt = 0; attempt < 5; ++attempt) {
        const int fd = openLockFile(name);
        if (fd < 0)
            return Outcome::Unavailable;
        struct stat opened
        {};
        struct stat named
        {};
        if (fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            close(fd);
            return Outcome::Unavailable;
        }
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            close(fd);
            return error == EWOULDBLOCK ? Outcome::HeldByAnother : Outcome::Unavailable;
        }
        if (lstat(name.constData(), &named) == 0 && sameFile(opened, named)) {
            held = {path, fd};
            // For whoever looks: the process that holds it.
            const QByteArray pid = QByteArray::number(qint64(getpid())) + '\n';
            if (ftruncate(fd, 0) == 0)
                [[maybe_unused]] const ssize_t written = write(fd, pid.constData(), std::size_t(pid.size()));
            return Outcome::Taken;
        }
        close(fd);
    }
    return Outcome::Unavailable;
}

void FolderLock::release(Held &held)
{
    if (held.fd < 0)
        return;
    // Removed while still locked, and only if the name is still this file.
    const QByteArray name = QFile::encodeName(held.path);
    struct stat opened
    {};
    struct stat named
    {};
    if (fstat(held.fd, &opened) == 0 && lstat(name.constData(), &named) == 0 && sameFile(opened, named))
        unlink(name.constData());
    close(held.fd);
    held = {};
}
