// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/Countdown.h"

#include "clock/GameRun.h"
#include "core/GameModel.h"

Countdown::Countdown(GameModel &model, GameRun &run)
    : m_model(model)
    , m_run(run)
{
}

void Countdown::tick()
{
    if (const auto left = m_model.clock().lessOneSecond()) {
        m_model.setClock(*left);
        return;
    }
    m_run.endGame();
    // The new board shows the limit, but a game that ran out leaves the clock at zero.
    m_model.setClock({});
}
