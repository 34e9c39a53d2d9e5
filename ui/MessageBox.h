// The plain message box of informational messages: caption "Orv Pendu", no icon, one OK button.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace MessageBox {

void showPlain(QWidget *parent, const QString &text);

// Tests collect the messages instead of showing modal boxes; an empty function restores the box.
void setSinkForTests(std::function<void(const QString &)> sink);

} // namespace MessageBox
