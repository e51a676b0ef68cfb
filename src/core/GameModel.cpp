// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/GameModel.h"

namespace {

// Sets `field` and emits `changed` only when the value is new.
template<typename T, typename Signal>
void update(GameModel *model, T &field, const T &value, Signal changed)
{
    if (field == value)
        return;
    field = value;
    emit (model->*changed)(value);
}

} // namespace

GameModel::GameModel(QObject *parent)
    : QObject(parent)
{
}

void GameModel::setScore(qint64 score)
{
    update(this, m_score, score, &GameModel::scoreChanged);
}

void GameModel::setWordScore(qint64 points)
{
    update(this, m_wordScore, points, &GameModel::wordScoreChanged);
}

void GameModel::setTimeBonus(qint64 seconds)
{
    update(this, m_timeBonus, seconds, &GameModel::timeBonusChanged);
}

void GameModel::setClock(ClockTime clock)
{
    update(this, m_clock, clock, &GameModel::clockChanged);
}

void GameModel::setTicking(bool ticking)
{
    update(this, m_ticking, ticking, &GameModel::tickingChanged);
}

void GameModel::setPhase(Phase phase)
{
    update(this, m_phase, phase, &GameModel::phaseChanged);
}

void GameModel::dealLetters(const QString &letters)
{
    Q_ASSERT(letters.size() == Board::TileCount);
    m_letters = letters;
    emit boardDealt();
}

void GameModel::appendToWord(int tile, QChar letter)
{
    m_word += letter;
    m_wordTiles.append(tile);
    emit wordChanged(m_word, m_wordTiles);
}

void GameModel::clearWord()
{
    if (!m_word.isEmpty() || !m_wordTiles.isEmpty()) {
        m_word.clear();
        m_wordTiles.clear();
        emit wordChanged(m_word, m_wordTiles);
    }
    setWordScore(0);
    setTimeBonus(0);
}

void GameModel::addPlayedWord(const QString &word)
{
    m_playedWords.append(word);
    emit playedWordAdded(word);
}

void GameModel::clearPlayedWords()
{
    m_highlightedWord = -1;
    if (m_playedWords.isEmpty())
        return;
    m_playedWords.clear();
    emit playedWordsCleared();
}

void GameModel::highlightWord(int index)
{
    m_highlightedWord = index;
    emit wordHighlighted(index);
}

void GameModel::setTimeLimit(ClockTime limit)
{
    update(this, m_timeLimit, limit, &GameModel::timeLimitChanged);
}

void GameModel::setCheckedLimit(int row)
{
    m_checkedLimit = row;
    emit checkedLimitChanged(row);
}
