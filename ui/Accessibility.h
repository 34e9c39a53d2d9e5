// What screen readers are told about the program's own controls: values, decorations and announcements.
#pragma once

#include <QAccessible>
#include <QLabel>
#include <functional>

namespace Accessibility {

// Installs the interfaces of the classes below and of the counters; their constructors call it.
void install();

// The events the program raises itself all go through here. No screen reader listens on the
// offscreen platform, so tests watch them with an observer; an empty function removes it.
void notify(QAccessibleEvent *event);
void setObserverForTests(std::function<void(QAccessibleEvent *)> observer);

} // namespace Accessibility

// A label that shows a value: its accessible name says what it shows ("Heure"), and its text is
// read as the value, through the text interface.
class Readout : public QLabel
{
    Q_OBJECT

public:
    explicit Readout(const QString &name, QWidget *parent = nullptr, QAccessible::Role role = QAccessible::StaticText);

    QAccessible::Role accessibleRole() const { return m_role; }

private:
    QAccessible::Role m_role;
};

// A label drawn for its looks only, a line or a bar: screen readers skip it and its hidden text.
class Decoration : public QLabel
{
    Q_OBJECT

public:
    explicit Decoration(QWidget *parent = nullptr);
};

// The area that keeps the keyboard focus while nothing else needs it. What happens there is
// told through its name: announce() renames it and raises the name change, which AT-SPI passes on.
class AnnouncingArea : public QWidget
{
    Q_OBJECT

public:
    explicit AnnouncingArea(const QString &name, QWidget *parent = nullptr);

    // The last announcement, or the area's own name when there is none.
    QString spokenName() const { return m_announcement.isEmpty() ? m_name : m_announcement; }
    void announce(const QString &text);
    // Back to the area's own name, also raised, so the next announcement is a change even when it repeats.
    void endAnnouncement();

private:
    QString m_name;
    QString m_announcement;
};
