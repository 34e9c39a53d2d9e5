// What screen readers are told about the program's own controls: values, decorations and announcements.
#pragma once

#include <QAccessible>
#include <functional>

class QWidget;

namespace Accessibility {

// Installs the interfaces of Readout, Decoration, AnnouncingArea, the link stand-ins and the counters; their
// constructors call it.
void install();

// Makes widget a control that only a screen reader meets: no room, no focus, no mouse.
void makeUnseen(QWidget *widget, const QString &objectName);

// The events the program raises itself all go through here. No screen reader listens on the
// offscreen platform, so tests watch them with an observer; an empty function removes it.
void notify(QAccessibleEvent *event);
void setObserverForTests(std::function<void(QAccessibleEvent *)> observer);

} // namespace Accessibility
