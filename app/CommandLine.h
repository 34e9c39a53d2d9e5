// The command line: the game's own options, the toolkit's options it lets through, and its French help.
#pragma once

#include <QString>
#include <QStringList>

namespace CommandLine {

enum class Action {
    Play,    // start the game
    Help,    // print the help and stop
    Version, // print the version and stop
    Message, // only show the text in an error box (the launcher's way to report its errors)
    Error,   // the command line is wrong: print the text and stop
};

struct Request {
    Action action = Action::Play;
    QString text; // the message to show, or what is wrong with the command line
};

// Reads the arguments, the program's name first, as the shell gave them: before the toolkit
// starts, so that the help and the version need no display. The toolkit's own options
// (-platform, -style, -reverse…) are accepted and left to it.
Request parse(const QStringList &arguments);

// What --help prints: the options with their French descriptions.
QString helpText();
// What --version prints.
QString versionText();

} // namespace CommandLine
