// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Dialogs;
class Dictionary;
class GameModel;

// At a game's end, offers each played word the dictionary lacks for adding to it.
class WordOffer
{
public:
    WordOffer(GameModel &model, Dialogs &dialogs, Dictionary &dictionary);

    // One question a missing word, in the order played, with that word singled out.
    void offerNewWords();

private:
    GameModel &m_model;
    Dialogs &m_dialogs;
    Dictionary &m_dictionary;
};
