// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/WordSubmission.h"

#include "core/GameModel.h"

namespace {

// Two letters are too easy to find on a board this full of vowels.
constexpr qsizetype MinimumLength = 3;

} // namespace

WordSubmission::WordSubmission(GameModel &model)
    : m_model(model)
{
}

void WordSubmission::submitWord()
{
    const QString word = m_model.word();
    const qsizetype count = m_model.playedWords().size();
    const qsizetype played = m_model.playedWords().indexOf(word);
    if (word.size() < MinimumLength) {
        emit m_model.wordRefused(word, GameModel::Refusal::TooShort);
    } else if (played >= 0) {
        m_model.highlightWord(int(played));
        emit m_model.wordRefused(word, GameModel::Refusal::AlreadyPlayed);
    } else {
        // The list is searched by singling out each entry in turn; the last one stays so.
        if (count > 0)
            m_model.highlightWord(int(count - 1));
        const qint64 points = m_model.wordScore();
        m_model.addPlayedWord(word);
        m_model.setScore(m_model.score() + points);
        // Counted from the clock as it reads now, not from the last tick.
        m_model.setClock(m_model.clock().plusSeconds(m_model.timeBonus()));
        emit m_model.wordAccepted(word, points, m_model.score());
    }
    m_model.clearWord();
}
