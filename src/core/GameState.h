// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/HighScoreRecord.h"

#include <QString>

#include <array>

inline constexpr int BoardSide = 20;
inline constexpr int TileCount = BoardSide * BoardSide;

// The window-level variables that all the handlers share.
struct GameState
{
    qint16 LetterRoll = 0;
    qint16 CurrentRow = 0;
    qint16 LastTile = 0;
    QString TimeLimit;
    std::array<qint16, BoardSide> RowStart{};
    qint16 MinutesLeft = 0;
    qint16 SecondsLeft = 0;
    HighScoreRecord HighScoreBuffer;
};
