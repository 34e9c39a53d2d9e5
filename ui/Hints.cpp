// Splitting and attaching hints.
#include "Hints.h"

#include <QAction>
#include <QVariant>
#include <QWidget>

namespace {
constexpr char LongHintProperty[] = "orvLongHint";
}

Hint splitHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    if (bar < 0)
        return {hint, hint};
    return {hint.left(bar), hint.mid(bar + 1)};
}

void setHint(QWidget *widget, const QString &hint)
{
    const Hint parts = splitHint(hint);
    widget->setToolTip(parts.shortPart);
    widget->setProperty(LongHintProperty, parts.longPart);
}

void setHint(QAction *action, const QString &hint)
{
    const Hint parts = splitHint(hint);
    action->setToolTip(parts.shortPart);
    action->setProperty(LongHintProperty, parts.longPart);
}

QString longHint(const QObject *object)
{
    return object ? object->property(LongHintProperty).toString() : QString();
}
