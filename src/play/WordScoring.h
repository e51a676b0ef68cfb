// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

class Dialogs;
class GameView;

// The letters' points and bonus seconds, added up while a word is picked.
class WordScoring
{
public:
    struct LetterValue
    {
        int points;
        int bonusSeconds;
    };

    WordScoring(GameView &view, Dialogs &dialogs);

    // Adds the letter's points and bonus to the current word's; any other text is shown in a box.
    void AddCurrentScore(const QString &letter);

    // The value of one capital letter A to Z; nothing for any other text.
    static std::optional<LetterValue> valueOf(const QString &letter);

private:
    GameView &m_view;
    Dialogs &m_dialogs;
};
