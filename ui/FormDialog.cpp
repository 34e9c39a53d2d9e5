// The frame is the classic one the window sizes were drawn with, whatever the window manager draws.
#include "FormDialog.h"

#include "ErrorReport.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

QPushButton *FormDialog::addButton(QWidget *parent, const QString &caption, const char *name, const QRect &geometry,
                                   std::function<void()> onClick)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    connectGuarded(button, &QPushButton::clicked, this, std::move(onClick));
    return button;
}

FormDialog::FormDialog(QWidget *parent, Qt::WindowFlags flags) : QDialog(parent, flags)
{
}

QSize FormDialog::clientSizeFor(QSize outer)
{
    return outer - QSize(4 + 4, 4 + 19 + 4);
}

void FormDialog::setCancelButton(QAbstractButton *button)
{
    m_cancelButton = button;
    if (!m_closeBoxNamed)
        m_closeBoxButton = button;
}

void FormDialog::setCloseBoxButton(QAbstractButton *button)
{
    m_closeBoxButton = button;
    m_closeBoxNamed = true;
}

bool FormDialog::formKeyDown(QKeyEvent *)
{
    return false;
}

void FormDialog::done(int result)
{
    ErrorReport::guarded(this, [this] { FormClose(); });
    QDialog::done(result);
}

// Escape and the close box reach QDialog through here; Escape is pressed in keyPressEvent.
void FormDialog::reject()
{
    ErrorReport::guarded(this, [this] {
        if (m_closeBoxButton)
            m_closeBoxButton->click();
    });
    // The close box always closes, even when its button failed or is disabled.
    if (isVisible())
        QDialog::reject();
}

void FormDialog::keyPressEvent(QKeyEvent *event)
{
    ErrorReport::guarded(this, [this, event] {
        if (formKeyDown(event))
            return;
        switch (event->key()) {
        case Qt::Key_Escape:
            if (m_cancelButton && m_cancelButton->isEnabled())
                m_cancelButton->click();
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // The focused button takes Enter itself; this catches one that was not yet shown as default.
            if (auto *button = qobject_cast<QPushButton *>(focusWidget()); button && button->isEnabled())
                button->click();
            break;
        default: QDialog::keyPressEvent(event);
        }
    });
}

bool FormDialog::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        if (m_activated)
            ErrorReport::guarded(this, [this] { activatedAgain(); });
        m_activated = true;
    } else if (event->type() == QEvent::WindowDeactivate) {
        ErrorReport::guarded(this, [this] { FormDeactivate(); });
    }
    return QDialog::event(event);
}

// Only the focused push button shows as default, as Enter presses it; none while the focus is elsewhere.
bool FormDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        if (auto *button = qobject_cast<QPushButton *>(watched))
            button->setDefault(event->type() == QEvent::FocusIn);
    }
    return QDialog::eventFilter(watched, event);
}

void FormDialog::showFocusedButtonAsDefault()
{
    for (QPushButton *button : findChildren<QPushButton *>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
        button->removeEventFilter(this);
        button->installEventFilter(this);
    }
}

void FormDialog::setVisible(bool visible)
{
    // Buttons made after the constructor of this base are reached here, before QDialog picks a default.
    if (visible && !isVisible())
        showFocusedButtonAsDefault();
    QDialog::setVisible(visible);
}

void FormDialog::showEvent(QShowEvent *event)
{
    // Placed once the frame is known, before QDialog would place the window over its parent.
    if (m_centred && !event->spontaneous())
        centreOnScreen();
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_activated = false;
    ErrorReport::guarded(this, [this] {
        FormShow();
        FormActivate();
    });
}

void FormDialog::hideEvent(QHideEvent *event)
{
    ErrorReport::guarded(this, [this] { FormDeactivate(); });
    QDialog::hideEvent(event);
}

// The frame, not only the client area, is centred on the screen of the window's owner.
void FormDialog::centreOnScreen()
{
    const QWidget *owner = parentWidget() ? parentWidget() : this;
    const QScreen *screen = owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->geometry().center());
    move(frame.topLeft());
}
