// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/ClockRandomSource.h"

#include <chrono>

namespace {

constexpr quint64 Golden = 0x9e3779b97f4a7c15ULL;

quint64 finalise(quint64 z)
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

quint64 clockReading()
{
    return static_cast<quint64>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

} // namespace

ClockRandomSource::ClockRandomSource()
    : m_state(finalise(clockReading() + Golden))
{
}

void ClockRandomSource::reseed()
{
    m_state = finalise(m_state ^ clockReading()) + Golden;
}

double ClockRandomSource::next()
{
    m_state += Golden;
    return static_cast<double>(finalise(m_state) >> 11) * 0x1.0p-53;
}
