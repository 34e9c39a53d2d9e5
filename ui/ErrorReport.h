// The general error report: every handler runs through guarded(), which shows what it throws.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <utility>

class QWidget;

namespace ErrorReport {

// Shows the error box: error icon, caption "Orv Pendu", the text with its full stop.
void show(QWidget *parent, const QString &text);

// The box adds a full stop when the text's last character has a code above that of ".".
QString withFullStop(const QString &text);
// A yes-or-no question after an error: caption "Orv Pendu", "Oui" and "Non", "Non" the default.
// While tests collect the reports nobody is there to answer, and the answer is no.
bool confirm(QWidget *parent, const QString &question);

// Runs a handler; an error ends it, is reported, and the event loop goes on.
// Returns false when the handler was ended by an error.
bool guarded(QWidget *parent, const std::function<void()> &handler);

// As guarded(), but the error box waits for the event loop: for handlers that run while a
// window is being shown, so the box appears over the painted window.
bool guardedDeferred(QWidget *parent, const std::function<void()> &handler);

// Tests collect the reports instead of showing modal boxes; an empty function restores the box.
void setSinkForTests(std::function<void(const QString &)> sink);

} // namespace ErrorReport

// connect() whose slot runs through the error report.
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection connectGuarded(Sender *sender, Signal signal, QWidget *context, Handler handler)
{
    return QObject::connect(sender, signal, context, [context, handler = std::move(handler)](auto &&...) {
        ErrorReport::guarded(context, handler);
    });
}
