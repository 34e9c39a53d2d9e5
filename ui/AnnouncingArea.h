// AnnouncingArea: the focus keeper of a window; Notice: the notification that speaks what just happened.
#pragma once

#include <QString>
#include <QWidget>

// A notification a screen reader speaks as it appears, wherever the focus is. It takes no room
// and draws nothing; say() shows it again with the new text, so a repeated text is spoken again.
class Notice : public QWidget
{
    Q_OBJECT

public:
    explicit Notice(QWidget *parent);

    QString text() const { return m_text; }
    void say(const QString &text);

private:
    QString m_text;
};

// The area that keeps the keyboard focus while nothing else needs it; what happens there is
// spoken by its notice.
class AnnouncingArea : public QWidget
{
    Q_OBJECT

public:
    explicit AnnouncingArea(const QString &name, QWidget *parent = nullptr);

    Notice *notice() const { return m_notice; }
    void announce(const QString &text) { m_notice->say(text); }

private:
    Notice *m_notice;
};
