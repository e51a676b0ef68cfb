// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/RandomSource.h"

#include <QtGlobal>

// SplitMix64 whose re-seed mixes the clock into the current state, so two
// re-seeds within one clock tick still lead to different numbers.
class ClockRandomSource final : public RandomSource
{
public:
    ClockRandomSource();

    void reseed() override;
    double next() override;

private:
    quint64 m_state;
};
