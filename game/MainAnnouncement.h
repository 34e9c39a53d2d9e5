// What the main window tells a screen reader when the game's display changes.
#pragma once

#include "GameRules.h"

#include <QString>

// The end of a game (result, remark, solution), then the vitamin's appearance; empty when neither happened.
QString announcementFor(const GameDisplay &before, const GameDisplay &after);

// The result line has just been written.
bool gameEnded(const GameDisplay &before, const GameDisplay &after);

// Only a new game empties the tries line.
bool newGameStarted(const GameDisplay &before, const GameDisplay &after);
