// SpokenLinks: the link the keyboard reaches in a text browser, told to a screen reader as a focused link.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <utility>

class QTextBrowser;

// Stands for one link while the keyboard focus stays in the page: it takes no room and draws nothing.
class LinkStandIn : public QWidget
{
    Q_OBJECT

public:
    explicit LinkStandIn(QWidget *parent);

    QString text() const { return m_text; }
    bool isCurrent() const { return m_current; }
    void setLink(const QString &text, bool current);

private:
    QString m_text;
    bool m_current = false;
};

// Tab and Shift+Tab select the next link of the page; each time, the screen reader hears the focus
// move to a link named by its text.
class SpokenLinks : public QObject
{
    Q_OBJECT

public:
    explicit SpokenLinks(QTextBrowser *browser);

    // The text of the link the keyboard is on, empty when none is.
    QString currentLink() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void selectionChanged();

    QTextBrowser *m_browser;
    // A screen reader presents a focus change only when the focused object changes, so two
    // stand-ins take turns.
    std::array<LinkStandIn *, 2> m_standIns{};
    std::size_t m_next = 0;
    // The selection last told, so that a key that leaves it alone says nothing.
    std::pair<int, int> m_told{-1, -1};
};
