// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class GameModel;

// Lists a new word of three letters or more, scores it and lengthens the clock.
class WordSubmission
{
public:
    explicit WordSubmission(GameModel &model);

    // Submits the current word, then clears it whether or not it was taken.
    void submitWord();

private:
    GameModel &m_model;
};
