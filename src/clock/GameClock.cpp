// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/GameClock.h"

#include "core/GameState.h"
#include "board/TileGrid.h"
#include "core/ClockText.h"
#include "play/Dictionary.h"
#include "play/TileSelection.h"
#include "scores/HighScores.h"
#include "core/Dialogs.h"
#include "core/GameView.h"

#include <QStringList>

GameClock::GameClock(GameView &view, GameState &state, Dialogs &dialogs, TileGrid &grid, TileSelection &selection,
                     HighScores &highScores, Dictionary &dictionary)
    : m_view(view)
    , m_state(state)
    , m_dialogs(dialogs)
    , m_grid(grid)
    , m_selection(selection)
    , m_highScores(highScores)
    , m_dictionary(dictionary)
{
}

void GameClock::cmdStart_Click()
{
    m_view.setCaption(ValueLabel::Time, m_state.TimeLimit);
    m_view.setTimerEnabled(true);
    m_view.setStartPanelShown(false);
    m_view.setButtonEnabled(WordButton::Enter, true);
    m_view.setButtonEnabled(WordButton::Shuffle, true);
    m_view.setButtonEnabled(WordButton::Clear, true);
}

void GameClock::cmdFinish_Click()
{
    m_view.setCaption(ValueLabel::Time, QStringLiteral("00:00"));
    m_view.setTimerEnabled(true);
}

void GameClock::tmrPlay_Timer()
{
    const ClockText now = ClockText::parse(m_view.caption(ValueLabel::Time));
    m_state.MinutesLeft = now.minutes;
    m_state.SecondsLeft = now.seconds;
    if (m_state.SecondsLeft != 0) {
        --m_state.SecondsLeft;
    } else if (m_state.MinutesLeft != 0) {
        m_state.SecondsLeft = 59;
        --m_state.MinutesLeft;
    } else {
        endGame();
    }
    m_view.setCaption(ValueLabel::Time, ClockText::format(m_state.MinutesLeft, m_state.SecondsLeft));
}

void GameClock::endGame()
{
    // Stopped first: the boxes below run inside this tick.
    m_view.setTimerEnabled(false);
    m_highScores.CheckHighScore();
    if (m_view.isChecked(MenuCheck::AllowAddWords))
        offerNewWords();
    clearGame();
    m_grid.PopulateTiles();
}

void GameClock::offerNewWords()
{
    const int count = m_view.wordCount();
    QStringList words;
    for (int i = 0; i < count; ++i)
        words << m_view.wordAt(i);
    // One pass over the file for the whole list; words added below join it.
    QSet<QString> known = m_dictionary.findAll(words);
    for (int i = 0; i < count; ++i) {
        m_view.selectWord(i);
        const QString &word = words.at(i);
        if (known.contains(word))
            continue;
        if (m_dialogs.confirm(QStringLiteral("Would you like to add the word '") + word
                                  + QStringLiteral("' to your dictionary?"),
                              QStringLiteral("Add Word"))
            && m_dictionary.AddToDictionary(word))
            known.insert(word);
    }
}

void GameClock::clearGame()
{
    m_selection.cmdClear_Click();
    m_view.setStartPanelShown(true);
    m_view.clearWords();
    m_view.setCaption(ValueLabel::Score, QStringLiteral("0"));
}

void GameClock::mnuNew_Click()
{
    // Nothing of an abandoned game may count in the next one.
    clearGame();
    m_grid.PopulateTiles();
}
