// The program from start to end: one game a folder, the splash, the windows in their order, the event loop.
#pragma once

#include <QString>

class QApplication;

namespace Program {

// Taken in the folder for the whole run, so that a second game there cannot overwrite the files.
inline const QString LockFileName = QStringLiteral("Orvpendu.lock");

// Plays in the current directory, the player's folder; returns the exit code.
int run(QApplication &app);

} // namespace Program
