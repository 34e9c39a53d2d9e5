// ModalCloseFilter: the window manager's request to close the main window, which the toolkit drops
// while a modal window blocks it, handed to the main window's closing instead (X11).
#pragma once

#include <QAbstractNativeEventFilter>
#include <QPointer>
#include <QWidget>

class ModalCloseFilter : public QAbstractNativeEventFilter
{
public:
    // Does nothing unless the program runs on X11; install it on the application.
    explicit ModalCloseFilter(QWidget *mainWindow);

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    QPointer<QWidget> m_mainWindow;
    quint32 m_protocolsAtom = 0;
    quint32 m_deleteWindowAtom = 0;
};
