// The arrow pair: first repeat after 400 ms, then every 100 ms while held.
#include "SpinButton.h"

#include <QKeyEvent>
#include <QToolButton>

SpinButton::SpinButton(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    m_up = createArrow(Qt::UpArrow, QStringLiteral("UpArrow"), QStringLiteral("Augmenter"));
    m_down = createArrow(Qt::DownArrow, QStringLiteral("DownArrow"), QStringLiteral("Diminuer"));
    connect(m_up, &QToolButton::clicked, this, &SpinButton::upClick);
    connect(m_down, &QToolButton::clicked, this, &SpinButton::downClick);
}

QToolButton *SpinButton::createArrow(Qt::ArrowType arrow, const QString &name, const QString &accessibleName)
{
    auto *button = new QToolButton(this);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAccessibleName(accessibleName);
    button->setFocusPolicy(Qt::TabFocus);
    button->installEventFilter(this);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(400);
    button->setAutoRepeatInterval(100);
    return button;
}

// A held key repeats as a held arrow does.
bool SpinButton::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && (watched == m_up || watched == m_down)) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up) {
            Q_EMIT upClick();
            return true;
        }
        if (key == Qt::Key_Down) {
            Q_EMIT downClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SpinButton::resizeEvent(QResizeEvent *)
{
    const int upper = height() / 2;
    m_up->setGeometry(0, 0, width(), upper);
    m_down->setGeometry(0, upper, width(), height() - upper);
}
