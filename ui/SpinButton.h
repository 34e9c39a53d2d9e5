// An up arrow above a down arrow; holding one repeats its click. Tab reaches the arrows, a click
// does not give them the focus, and Up or Down on either acts as the matching arrow.
#pragma once

#include <QWidget>

class QToolButton;

class SpinButton : public QWidget
{
    Q_OBJECT

public:
    explicit SpinButton(QWidget *parent = nullptr);

    QToolButton *upArrow() const { return m_up; }
    QToolButton *downArrow() const { return m_down; }

Q_SIGNALS:
    void upClick();
    void downClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *createArrow(Qt::ArrowType arrow, const QString &name, const QString &accessibleName);

    QToolButton *m_up = nullptr;
    QToolButton *m_down = nullptr;
};
