#include "AnnouncingArea.h"

#include "Accessibility.h"

AnnouncingArea::AnnouncingArea(const QString &name, QWidget *parent) : QWidget(parent), m_name(name)
{
    Accessibility::install();
}

void AnnouncingArea::announce(const QString &text)
{
    m_announcement = text;
    QAccessibleEvent event(this, QAccessible::NameChanged);
    Accessibility::notify(&event);
}

void AnnouncingArea::endAnnouncement()
{
    if (!m_announcement.isEmpty())
        announce(QString());
}
