// Announcements are built from the display alone, so they say exactly what the window shows.
#include "MainAnnouncement.h"

#include <QStringList>

QString announcementFor(const GameDisplay &before, const GameDisplay &after)
{
    QStringList parts;
    if (gameEnded(before, after)) {
        for (int line : {GameDisplay::ResultLine, GameDisplay::RemarkLine, GameDisplay::SolutionLine})
            if (!after.lines[std::size_t(line)].isEmpty())
                parts << after.lines[std::size_t(line)];
    }
    if (!before.vitaminVisible && after.vitaminVisible)
        parts << QStringLiteral("Vitamine");
    return parts.join(u' ');
}

bool gameEnded(const GameDisplay &before, const GameDisplay &after)
{
    return before.lines[GameDisplay::ResultLine].isEmpty() && !after.lines[GameDisplay::ResultLine].isEmpty();
}

bool newGameStarted(const GameDisplay &before, const GameDisplay &after)
{
    return !before.lines[GameDisplay::TriesLine].isEmpty() && after.lines[GameDisplay::TriesLine].isEmpty();
}
