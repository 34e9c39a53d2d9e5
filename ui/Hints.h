// Hints: the short part (before "|") is the tooltip, the long part (after it) goes to the status bar.
#pragma once

#include <QString>

class QAction;
class QObject;
class QWidget;

struct Hint
{
    QString shortPart;
    QString longPart;
};

// A hint without "|" is both parts.
Hint splitHint(const QString &hint);

// Sets the tooltip and remembers the long part for the status bar.
void setHint(QWidget *widget, const QString &hint);
void setHint(QAction *action, const QString &hint);
QString longHint(const QObject *object);
