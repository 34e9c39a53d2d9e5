// AnnouncingArea: the focus keeper whose name tells what just happened.
#pragma once

#include <QString>
#include <QWidget>

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
