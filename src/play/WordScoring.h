// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

class Dialogs;
class GameModel;

// The letters' points and bonus seconds, added up while a word is picked.
class WordScoring
{
public:
    struct LetterValue
    {
        int points;
        int bonusSeconds;
    };

    WordScoring(GameModel &model, Dialogs &dialogs);

    // Adds the letter's points and bonus to the current word's; any other character is shown in a box.
    void AddCurrentScore(QChar letter);

    // The value of one capital letter A to Z; nothing for any other character.
    static std::optional<LetterValue> valueOf(QChar letter);

private:
    GameModel &m_model;
    Dialogs &m_dialogs;
};
