// A close request to a window that a modal window blocks never reaches it as an event: it is
// caught here, as the X client message the window manager sends, before the toolkit drops it.
#include "ModalCloseFilter.h"

#include "ErrorReport.h"

#include <QApplication>
#include <xcb/xcb.h>

namespace {

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, quint16(qstrlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t value = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return value;
}

} // namespace

ModalCloseFilter::ModalCloseFilter(QWidget *mainWindow) : m_mainWindow(mainWindow)
{
    // The offscreen platform has the interface too, without a connection.
    const auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    m_protocolsAtom = atom(connection, "WM_PROTOCOLS");
    m_deleteWindowAtom = atom(connection, "WM_DELETE_WINDOW");
}

bool ModalCloseFilter::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (m_deleteWindowAtom == XCB_ATOM_NONE || eventType != "xcb_generic_event_t" || !m_mainWindow)
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
        return false;
    const auto *request = static_cast<const xcb_client_message_event_t *>(message);
    if (request->format != 32 || request->type != m_protocolsAtom || request->data.data32[0] != m_deleteWindowAtom
        || request->window != m_mainWindow->internalWinId() || !QApplication::activeModalWidget())
        return false;
    // Closed from the event loop, not from inside the toolkit's event handling.
    QMetaObject::invokeMethod(
        m_mainWindow.data(), [window = m_mainWindow] { ErrorReport::guarded(window, [window] { window->close(); }); },
        Qt::QueuedConnection);
    return true;
}
