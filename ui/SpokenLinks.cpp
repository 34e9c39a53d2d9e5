// The stand-ins follow the browser's selection: keyboard navigation selects a whole link.
#include "SpokenLinks.h"

#include "Accessibility.h"

#include <QEvent>
#include <QTextBrowser>

LinkStandIn::LinkStandIn(QWidget *parent) : QWidget(parent)
{
    Accessibility::makeUnseen(this, QStringLiteral("LinkStandIn"));
}

void LinkStandIn::setLink(const QString &text, bool current)
{
    m_text = text;
    m_current = current;
}

SpokenLinks::SpokenLinks(QTextBrowser *browser) : QObject(browser), m_browser(browser)
{
    for (LinkStandIn *&standIn : m_standIns)
        standIn = new LinkStandIn(browser);
    connect(browser, &QTextBrowser::selectionChanged, this, &SpokenLinks::selectionChanged);
    // Tab and Shift+Tab select a link without any signal: the selection is read once the key is handled.
    browser->installEventFilter(this);
    // A link followed leads to a page: the focus, that the stand-ins held, comes back to the page.
    connect(browser, &QTextBrowser::sourceChanged, this, [this] {
        m_told = {-1, -1};
        for (LinkStandIn *standIn : m_standIns)
            standIn->setLink(QString(), false);
        if (!m_browser->hasFocus())
            return;
        QAccessibleEvent focused(m_browser, QAccessible::Focus);
        Accessibility::notify(&focused);
    });
}

QString SpokenLinks::currentLink() const
{
    for (const LinkStandIn *standIn : m_standIns)
        if (standIn->isCurrent())
            return standIn->text();
    return QString();
}

bool SpokenLinks::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress)
        QMetaObject::invokeMethod(this, &SpokenLinks::selectionChanged, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

void SpokenLinks::selectionChanged()
{
    const QTextCursor cursor = m_browser->textCursor();
    // The character format at a position is that of the character before it; Shift+Tab selects
    // backwards, so the link's last character is read at the selection's end whichever way it runs.
    QTextCursor end(cursor);
    end.setPosition(cursor.selectionEnd());
    const bool onLink = m_browser->hasFocus() && cursor.hasSelection() && end.charFormat().isAnchor();
    const QString text = onLink ? cursor.selectedText().simplified() : QString();
    const std::pair selection{cursor.selectionStart(), cursor.selectionEnd()};
    if (onLink && selection == m_told)
        return;
    m_told = onLink ? selection : std::pair{-1, -1};
    for (LinkStandIn *standIn : m_standIns)
        standIn->setLink(standIn->text(), false);
    if (!onLink)
        return;
    LinkStandIn *standIn = m_standIns[m_next];
    m_next = (m_next + 1) % m_standIns.size();
    standIn->setLink(text, true);
    QAccessibleEvent focused(standIn, QAccessible::Focus);
    Accessibility::notify(&focused);
}
