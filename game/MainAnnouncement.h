// What the main window tells a screen reader about each move of the game, in short French sentences.
#pragma once

#include "GameRules.h"

#include <QString>

// The game as it stood at one moment: what a move changed is told from two of them.
struct GameMoment
{
    GameState state;
    GameTotals totals;
    GameDisplay display;
};

GameMoment momentOf(const GameRules &rules);

// The length of the new word and the letters it shows.
QString newGameAnnouncement(const GameMoment &after);

// One letter from the keyboard or a letter key: found and where, missed with the count, already
// played, or no game to play it in; then the end of the game and the vitamin's appearance.
// Empty for a character that plays nothing.
QString letterAnnouncement(QChar letter, const GameMoment &before, const GameMoment &after);

// The letter the Joker showed and its price.
QString jokerAnnouncement(const GameMoment &before, const GameMoment &after);

// The game on demand: the word as it stands, the letters played, the misses and the score.
QString stateAnnouncement(const GameMoment &now);
