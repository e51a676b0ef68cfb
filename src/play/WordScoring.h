// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// What letters and words are worth: points, and seconds added to the clock.
class WordScoring
{
public:
    struct Value
    {
        int points;
        int bonusSeconds;
    };

    // The value of one capital letter A to Z; nothing for any other character.
    static std::optional<Value> valueOf(QChar letter);
    // The value of a word, as it scores while it is picked and once it is played.
    static Value valueOf(const QString &word);
};
