// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/WordSubmission.h"

#include "core/CaptionNumber.h"
#include "core/GameState.h"
#include "core/ClockText.h"
#include "play/TileSelection.h"
#include "core/GameView.h"

WordSubmission::WordSubmission(GameView &view, GameState &state, TileSelection &selection)
    : m_view(view)
    , m_state(state)
    , m_selection(selection)
{
}

void WordSubmission::cmdEnter_Click()
{
    const QString word = m_view.caption(ValueLabel::Word);
    if (word.size() > 2) {
        const int count = m_view.wordCount();
        int played = -1;
        for (int i = 0; i < count && played < 0; ++i) {
            if (m_view.wordAt(i) == word)
                played = i;
        }
        if (played >= 0) {
            m_view.selectWord(played);
        } else {
            // The list is searched by selecting each entry in turn; the last one stays selected.
            if (count > 0)
                m_view.selectWord(count - 1);
            m_view.addWord(word);
            const qint64 total = CaptionNumber::value(m_view.caption(ValueLabel::Score))
                + CaptionNumber::value(m_view.caption(ValueLabel::ThisScore));
            m_view.setCaption(ValueLabel::Score, CaptionNumber::text(total));

            // Counted from the clock as it reads now, not from the last tick.
            const ClockText remaining = ClockText::parse(m_view.caption(ValueLabel::Time))
                                            .plusSeconds(CaptionNumber::value(m_view.caption(ValueLabel::AddTime)));
            m_state.MinutesLeft = remaining.minutes;
            m_state.SecondsLeft = remaining.seconds;
            m_view.setCaption(ValueLabel::Time, remaining.toString());
        }
    }
    m_selection.cmdClear_Click();
}
