// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

class Dialogs;
class GameView;
struct GameState;
enum class MenuCheck;

// The "Time Limit" menu: four fixed lengths and a typed one.
class TimeLimitOptions
{
public:
    TimeLimitOptions(GameView &view, GameState &state, Dialogs &dialogs);

    void mnu30_Click();
    void mnu1_Click();
    void mnu130_Click();
    void mnu2_Click();
    void mnuCustom_Click();
    // Removes the check marks of the four fixed lengths.
    void unticktimes();

    // The limit a typed "M:S" text stands for, with two digits a field; nothing if the clock cannot count it.
    static std::optional<QString> customLimit(const QString &typed);

private:
    void choose(MenuCheck item, const QString &limit);
    void showLimitWhileWaiting();

    GameView &m_view;
    GameState &m_state;
    Dialogs &m_dialogs;
};
