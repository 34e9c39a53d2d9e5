// FolderLock: one game a folder, held by the system for as long as the process lives.
#pragma once

#include <QString>

class FolderLock
{
public:
    // Locks Orvpendu.lock in the current directory, and a lock named after the folder's identity
    // in the user's runtime folder, which still holds where the folder cannot hold a lock. A lock
    // file left over, whatever it holds, and a name there that is no regular file never refuse a
    // start: only a running game does.
    FolderLock();
    // Releases both locks and removes the lock files.
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    // Another running game holds one of the locks; heldPath() names it.
    bool heldByAnother() const { return !m_heldPath.isEmpty(); }
    const QString &heldPath() const { return m_heldPath; }

    // The folder's identity (its device and inode), the same whatever path leads to it.
    const QString &folderKey() const { return m_folderKey; }

    // The user's runtime folder, where the folder-keyed lock and the raise channel live; empty
    // when there is none.
    static QString runtimeFolder();

private:
    struct Held
    {
        QString path;
        int fd = -1;
    };
    enum class Outcome { Taken, HeldByAnother, Unavailable };
    static Outcome lockAt(const QString &path, Held &held);
    static void release(Held &held);

    Held m_inFolder;
    Held m_inRuntime;
    QString m_heldPath;
    QString m_folderKey;
};
