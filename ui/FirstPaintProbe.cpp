// Quits right after the first paint, so a script can time the start-up of the whole process.
#include "FirstPaintProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class Probe : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Leave the paint to finish and reach the screen, then end.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::quit(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

} // namespace

void FirstPaintProbe::watch(QWidget *window)
{
    if (qEnvironmentVariableIsEmpty("ORV_QUIT_AFTER_FIRST_PAINT"))
        return;
    window->installEventFilter(new Probe(window));
}
