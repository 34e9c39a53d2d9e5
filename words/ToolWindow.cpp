// The frame is the classic one the window sizes were drawn with, whatever the window manager draws.
#include "ToolWindow.h"

#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QRect>
#include <QScreen>

QSize ToolWindow::clientSizeFor(QSize outer)
{
    return outer - QSize(4 + 4, 4 + 19 + 4);
}

void ToolWindow::centreOnScreen(QWidget *window)
{
    const QWidget *owner = window->parentWidget() ? window->parentWidget() : window;
    const QScreen *screen = owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    QRect frame(QPoint(), window->size());
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void ToolWindow::withoutDefaultButton(QDialog *dialog)
{
    for (QPushButton *button : dialog->findChildren<QPushButton *>())
        button->setAutoDefault(false);
}

bool ToolWindow::pressFocusedButton(QDialog *dialog, const QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    if (auto *button = qobject_cast<QPushButton *>(dialog->focusWidget()); button && button->isEnabled())
        button->click();
    return true;
}
