// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/TileGrid.h"

#include "board/LetterGenerator.h"
#include "core/GameModel.h"

TileGrid::TileGrid(GameModel &model, LetterGenerator &letters)
    : m_model(model)
    , m_letters(letters)
{
}

void TileGrid::PopulateTiles()
{
    QString board;
    board.reserve(Board::TileCount);
    for (int i = 0; i < Board::TileCount; ++i) {
        m_letters.reseed();
        qint16 letterRoll = m_letters.rollCategory();
        board += m_letters.GetLetter(letterRoll);
    }
    m_model.dealLetters(board);
}
