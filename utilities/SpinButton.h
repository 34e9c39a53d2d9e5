// An up arrow above a down arrow; holding one repeats its click, and the pair never takes the focus.
#pragma once

#include <QWidget>

class QToolButton;

class SpinButton : public QWidget
{
    Q_OBJECT

public:
    explicit SpinButton(QWidget *parent = nullptr);

Q_SIGNALS:
    void upClick();
    void downClick();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *createArrow(Qt::ArrowType arrow, const QString &name);

    QToolButton *m_up;
    QToolButton *m_down;
};
