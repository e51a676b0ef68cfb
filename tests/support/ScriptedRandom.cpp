// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScriptedRandom.h"

ScriptedRandom::ScriptedRandom(quint64 seed)
    : m_state(seed)
{
}

double ScriptedRandom::next()
{
    ++draws;
    if (!script.isEmpty())
        return script.takeFirst();
    // xorshift64*: repeatable for a seed, good enough to deal test boards.
    m_state ^= m_state >> 12;
    m_state ^= m_state << 25;
    m_state ^= m_state >> 27;
    return double((m_state * 0x2545F4914F6CDD1DULL) >> 11) * 0x1.0p-53;
}
