// The arrow pair: first repeat after 400 ms, then every 100 ms while held.
#include "SpinButton.h"

#include <QToolButton>

SpinButton::SpinButton(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    m_up = createArrow(Qt::UpArrow, QStringLiteral("UpArrow"));
    m_down = createArrow(Qt::DownArrow, QStringLiteral("DownArrow"));
    connect(m_up, &QToolButton::clicked, this, &SpinButton::upClick);
    connect(m_down, &QToolButton::clicked, this, &SpinButton::downClick);
}

QToolButton *SpinButton::createArrow(Qt::ArrowType arrow, const QString &name)
{
    auto *button = new QToolButton(this);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(400);
    button->setAutoRepeatInterval(100);
    return button;
}

void SpinButton::resizeEvent(QResizeEvent *)
{
    const int upper = height() / 2;
    m_up->setGeometry(0, 0, width(), upper);
    m_down->setGeometry(0, upper, width(), height() - upper);
}
