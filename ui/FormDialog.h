// FormDialog: the base of every tool window and dialog of the program.
#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>

class QAbstractButton;
class QKeyEvent;
class QPushButton;

// What the windows share, so that each states only what differs:
// - an opening runs FormShow then FormActivate once, whatever the window manager does with activation;
// - Escape presses the cancel button wherever the focus is, and does nothing in a window without one;
// - Enter presses the focused button and nothing else: no button is the default one, and the focused
//   push button shows as default because Enter presses it;
// - the close box presses the close-box button (the cancel button unless named), or just closes;
// - the window opens where it was placed or left, or centred on the screen at every opening.
// Every override runs through the error report, so the hooks below need no guard of their own.
class FormDialog : public QDialog
{
    Q_OBJECT

public:
    // The client size of a window whose outer size is given: a 4-pixel border around it and a 19-pixel caption.
    static QSize clientSizeFor(QSize outer);

    // Run once at each opening, in this order.
    virtual void FormShow() {}
    virtual void FormActivate() {}
    // Run when the window stops being the active one, and when it is hidden.
    virtual void FormDeactivate() {}
    // Run at each closing that ends the modal display, whichever way it closes.
    virtual void FormClose() {}

    void done(int result) override;
    void reject() override;

protected:
    explicit FormDialog(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::Dialog);

    // Escape presses this button; the close box too, unless setCloseBoxButton names another.
    void setCancelButton(QAbstractButton *button);
    void setCloseBoxButton(QAbstractButton *button);
    void setCentredOnScreen(bool centred) { m_centred = centred; }

    // A push button at its fixed place, named as the window names it; a click runs onClick
    // through the error report.
    QPushButton *addButton(QWidget *parent, const QString &caption, const char *name, const QRect &geometry,
                           std::function<void()> onClick);

    // A key the window uses itself, from wherever it comes, before Escape and Enter; true when used.
    virtual bool formKeyDown(QKeyEvent *event);
    // The window becomes active again within one opening: back from a message box or another program.
    virtual void activatedAgain() {}

    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void setVisible(bool visible) override;
    void showEvent(QShowEvent *event) override;

private:
    void centreOnScreen();
    void showFocusedButtonAsDefault();

    QPointer<QAbstractButton> m_cancelButton;
    QPointer<QAbstractButton> m_closeBoxButton;
    bool m_closeBoxNamed = false;
    bool m_centred = false;
    // Set by the opening's first activation; any later one is a return to the window.
    bool m_activated = false;
};
