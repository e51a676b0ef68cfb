// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/TileSelection.h"

#include "core/Dialogs.h"
#include "core/GameModel.h"
#include "play/WordScoring.h"

TileSelection::TileSelection(GameModel &model, Dialogs &dialogs)
    : m_model(model)
    , m_dialogs(dialogs)
{
}

void TileSelection::pickTile(int index)
{
    if (index < 0 || index >= Board::TileCount)
        return;
    if (m_model.phase() == GameModel::Phase::Waiting || m_model.inWord(index))
        return;
    if (!Board::touch(index, m_lastTile))
        m_model.clearWord();
    const QChar letter = m_model.letter(index);
    m_model.appendToWord(index, letter);
    if (!WordScoring::valueOf(letter))
        m_dialogs.inform(letter, QStringLiteral("Zentile"));
    const WordScoring::Value value = WordScoring::valueOf(m_model.word());
    m_model.setWordScore(value.points);
    m_model.setTimeBonus(value.bonusSeconds);
    m_lastTile = index;
    emit m_model.tilePicked(index);
}

void TileSelection::clearWord()
{
    const bool hadWord = !m_model.word().isEmpty();
    m_model.clearWord();
    if (hadWord)
        emit m_model.wordCleared();
}
