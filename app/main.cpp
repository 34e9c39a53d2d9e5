// Program entry: the command line, then the game in the current directory.
#include "CommandLine.h"
#include "ErrorReport.h"
#include "Program.h"

#include <QApplication>
#include <cstdio>

namespace {

QStringList shellArguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

int main(int argc, char **argv)
{
    // Read before QApplication exists: help, version and errors need no display.
    const CommandLine::Request request = CommandLine::parse(shellArguments(argc, argv));
    switch (request.action) {
    case CommandLine::Action::Help:
        print(stdout, CommandLine::helpText());
        return 0;
    case CommandLine::Action::Version:
        print(stdout, CommandLine::versionText());
        return 0;
    case CommandLine::Action::Error:
        print(stderr, QStringLiteral("orv-pendu : %1\nEssayez « orv-pendu --help ».\n").arg(request.text));
        return 2;
    case CommandLine::Action::Message:
    case CommandLine::Action::Play:
        break;
    }

    QApplication app(argc, argv);
    if (request.action == CommandLine::Action::Message) {
        ErrorReport::show(nullptr, request.text);
        return 1;
    }
    return Program::run(app);
}
