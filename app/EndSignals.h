// EndSignals: SIGTERM, SIGHUP, SIGINT and SIGQUIT brought into the event loop, so they can end the program by its closing.
#pragma once

#include <QObject>

class QSocketNotifier;

class EndSignals : public QObject
{
    Q_OBJECT

public:
    // Catches the four signals until destroyed; one instance at a time. A signal caught before
    // listen() waits in the pipe, so one that comes during the start-up is not lost.
    explicit EndSignals(QObject *parent = nullptr);
    ~EndSignals() override;

    // From now on the event loop hands the signals on through received().
    void listen();

signals:
    void received(int signalNumber);

private:
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
};
