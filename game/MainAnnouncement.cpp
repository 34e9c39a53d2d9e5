// Announcements are built from the game's state and display before and after a move, so they
// say what the window shows and, where the counters lag, the true score.
#include "MainAnnouncement.h"

#include <QStringList>

namespace {

bool gameInProgress(const GameMoment &m)
{
    return std::any_of(m.display.keyEnabled.begin(), m.display.keyEnabled.end(), [](bool enabled) { return enabled; });
}

QString counted(qsizetype count, const QString &one, const QString &many)
{
    return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? one : many);
}

// "M, 6 lettres cachées, N": the shown letters, and each run of hidden ones as a count.
QString spokenMask(const QString &mask)
{
    QStringList parts;
    for (qsizetype i = 0; i < mask.size();) {
        if (mask.at(i) != u'.') {
            parts << QString(mask.at(i++));
            continue;
        }
        qsizetype run = 0;
        while (i < mask.size() && mask.at(i) == u'.')
            ++run, ++i;
        parts << counted(run, QStringLiteral("lettre cachée"), QStringLiteral("lettres cachées"));
    }
    return parts.join(QStringLiteral(", "));
}

// "2, 4 et 7".
QString spokenList(const QStringList &items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" et ") + items.last();
}

QString misses(const GameMoment &m)
{
    return QStringLiteral("%1 sur 6").arg(counted(m.state.Misses, QStringLiteral("échec"), QStringLiteral("échecs")));
}

QString score(const GameMoment &m)
{
    return QStringLiteral("Score : %1").arg(m.totals.Score);
}

QString found(QChar letter, const QString &word)
{
    QStringList positions;
    for (qsizetype i = 0; i < word.size(); ++i)
        if (word.at(i) == letter)
            positions << QString::number(i + 1);
    if (positions.isEmpty())
        return QString();
    return QStringLiteral("%1 : %2, %3 %4")
        .arg(letter)
        .arg(counted(positions.size(), QStringLiteral("lettre trouvée"), QStringLiteral("lettres trouvées")))
        .arg(positions.size() == 1 ? QStringLiteral("position") : QStringLiteral("positions"))
        .arg(spokenList(positions));
}

QString ending(const GameMoment &before, const GameMoment &after)
{
    const QString &result = after.display.lines[GameDisplay::ResultLine];
    if (!before.display.lines[GameDisplay::ResultLine].isEmpty() || result.isEmpty())
        return QString();
    if (result.startsWith(QStringLiteral("Perdu")))
        return QStringLiteral("Perdu, la solution était %1. %2").arg(after.state.SecretWord, score(after));
    const bool bonus = after.display.lines[GameDisplay::RemarkLine] == QStringLiteral("Bonus!!!");
    return QStringLiteral("Gagné, le mot était %1%2. %3")
        .arg(after.state.SecretWord, bonus ? QStringLiteral(", avec le bonus de 50 points") : QString(), score(after));
}

QString noGame(const GameMoment &m)
{
    return m.state.SecretWord.isEmpty() ? QStringLiteral("Pas de partie en cours : F2 pour commencer")
                                        : QStringLiteral("Partie terminée : F2 pour rejouer");
}

} // namespace

GameMoment momentOf(const GameRules &rules)
{
    return GameMoment{rules.state(), rules.totals(), rules.display()};
}

QString newGameAnnouncement(const GameMoment &after)
{
    const qsizetype length = after.state.SecretWord.size();
    return QStringLiteral("Nouveau mot de %1 : %2")
        .arg(counted(length, QStringLiteral("lettre"), QStringLiteral("lettres")), spokenMask(after.state.Mask));
}

QString letterAnnouncement(QChar letter, const GameMoment &before, const GameMoment &after)
{
    if (letter >= u'a' && letter <= u'z')
        letter = QChar(letter.unicode() - u'a' + u'A');
    if (letter < u'A' || letter > u'Z')
        return QString();
    if (!gameInProgress(before))
        return noGame(before);
    if (!before.display.keyEnabled[std::size_t(letter.unicode() - u'A')])
        return QStringLiteral("%1 : déjà jouée").arg(letter);

    QStringList parts;
    const QString hit = found(letter, after.state.SecretWord);
    parts << (hit.isEmpty() ? QStringLiteral("%1 : raté, %2").arg(letter).arg(misses(after)) : hit);
    if (const QString end = ending(before, after); !end.isEmpty())
        parts << end;
    if (!before.display.vitaminVisible && after.display.vitaminVisible)
        parts << QStringLiteral("Vitamine : le prochain Joker est gratuit");
    return parts.join(QStringLiteral(". "));
}

QString jokerAnnouncement(const GameMoment &before, const GameMoment &after)
{
    const qsizetype hidden = before.state.Mask.indexOf(u'.');
    const QString shown = hidden < 0 ? QStringLiteral("aucune lettre cachée")
                                     : QStringLiteral("lettre %1, position %2").arg(after.display.jokerCaption).arg(hidden + 1);
    if (before.display.vitaminVisible)
        return QStringLiteral("Joker gratuit grâce à la vitamine : %1").arg(shown);
    return QStringLiteral("Joker : %1, 10 points retirés").arg(shown);
}

QString stateAnnouncement(const GameMoment &now)
{
    if (now.state.SecretWord.isEmpty())
        return QStringLiteral("Pas de partie en cours : F2 pour commencer. %1").arg(score(now));
    QStringList played;
    for (std::size_t i = 0; i < now.display.keyEnabled.size(); ++i)
        if (!now.display.keyEnabled[i])
            played << QString(QChar(u'A' + int(i)));
    QStringList parts;
    if (!gameInProgress(now)) {
        const bool won = now.display.lines[GameDisplay::ResultLine].startsWith(QStringLiteral("Gagné"));
        parts << QStringLiteral("Partie %1 : %2").arg(won ? QStringLiteral("gagnée") : QStringLiteral("perdue"),
                                                       now.state.SecretWord);
    } else {
        parts << QStringLiteral("Mot : %1").arg(spokenMask(now.state.Mask));
        if (!played.isEmpty() && played.size() < GameDisplay::KeyCount)
            parts << QStringLiteral("Lettres jouées : %1").arg(played.join(QStringLiteral(", ")));
    }
    parts << misses(now) << score(now);
    if (now.display.jokerCaption.size() == 1)
        parts << QStringLiteral("Joker : %1").arg(now.display.jokerCaption);
    if (now.display.vitaminVisible)
        parts << QStringLiteral("Vitamine présente : Joker gratuit");
    return parts.join(QStringLiteral(". "));
}
