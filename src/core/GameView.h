// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/TileView.h"

#include <QString>

// The labels whose captions hold the game's numbers and the current word.
enum class ValueLabel { Word, Score, ThisScore, AddTime, Time };

// The three buttons that only work during a game.
enum class WordButton { Enter, Shuffle, Clear };

// The menu entries that carry a check mark.
enum class MenuCheck { Time30, Time1, Time130, Time2, AllowAddWords };

// What the game logic may do to the window's controls; the window is the real one.
class GameView
{
public:
    virtual ~GameView() = default;

    virtual QString caption(ValueLabel label) const = 0;
    virtual void setCaption(ValueLabel label, const QString &text) = 0;

    // The board's tiles.
    virtual TileView &tiles() = 0;

    virtual void setButtonEnabled(WordButton button, bool enabled) = 0;
    virtual bool startPanelShown() const = 0;
    virtual void setStartPanelShown(bool shown) = 0;
    virtual bool timerEnabled() const = 0;
    virtual void setTimerEnabled(bool enabled) = 0;

    // The word list, in the order the words were added.
    virtual int wordCount() const = 0;
    virtual QString wordAt(int index) const = 0;
    virtual void addWord(const QString &word) = 0;
    virtual void clearWords() = 0;
    virtual void selectWord(int index) = 0;
    // -1 when no entry is selected.
    virtual int selectedWord() const = 0;

    virtual bool isChecked(MenuCheck item) const = 0;
    virtual void setChecked(MenuCheck item, bool checked) = 0;
};
