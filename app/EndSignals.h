// EndSignals: SIGTERM and SIGHUP brought into the event loop, so they can end the program by its closing.
#pragma once

#include <QObject>

class QSocketNotifier;

class EndSignals : public QObject
{
    Q_OBJECT

public:
    // Catches both signals until destroyed; one instance at a time.
    explicit EndSignals(QObject *parent = nullptr);
    ~EndSignals() override;

signals:
    void received(int signalNumber);

private:
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
};
