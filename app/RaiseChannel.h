// RaiseChannel: a second start in a folder asks the game that runs there to bring its window forward.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

class RaiseChannel : public QObject
{
    Q_OBJECT

public:
    // The channel of the folder whose identity is folderKey, in the user's runtime folder.
    explicit RaiseChannel(const QString &folderKey, QObject *parent = nullptr);

    // For the game that holds the folder's lock: from now on each request comes as raiseRequested().
    // A channel left by a game that has ended is replaced. False when it cannot listen.
    bool listen();

    // For a second start: asks the running game to bring its window forward, trying for a while
    // when that game is still starting. True once it has answered.
    bool askToRaise() const;

signals:
    void raiseRequested();

private:
    void answer();

    QString m_name;
    QLocalServer *m_server = nullptr;
};
