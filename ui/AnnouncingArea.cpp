#include "AnnouncingArea.h"

#include "Accessibility.h"

Notice::Notice(QWidget *parent) : QWidget(parent)
{
    Accessibility::makeUnseen(this, QStringLiteral("Notice"));
    hide();
}

// The screen reader speaks a notification when it is shown; its name is the text.
void Notice::say(const QString &text)
{
    if (text.isEmpty())
        return;
    hide();
    m_text = text;
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    Accessibility::notify(&renamed);
    show();
}

AnnouncingArea::AnnouncingArea(const QString &name, QWidget *parent) : QWidget(parent), m_notice(new Notice(this))
{
    setAccessibleName(name);
}
