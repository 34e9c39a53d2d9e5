// What the word tools' windows share: where they open, and Enter pressing only the focused button.
#pragma once

#include <QSize>

class QDialog;
class QKeyEvent;
class QWidget;

namespace ToolWindow {

// The client size of a window whose outer size is given: a 4-pixel border around it and a 19-pixel caption.
QSize clientSizeFor(QSize outer);

// Centres a top-level window on its screen.
void centreOnScreen(QWidget *window);

// Qt makes a button the dialog's default when it opens, so Enter in a field or a list would press it.
// Here no button is the default: Enter presses the button that has the focus, and nothing else.
void withoutDefaultButton(QDialog *dialog);
// Call from the dialog's keyPressEvent; true when the key was Enter, pressed or not.
bool pressFocusedButton(QDialog *dialog, const QKeyEvent *event);

} // namespace ToolWindow
