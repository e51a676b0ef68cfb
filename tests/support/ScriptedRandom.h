// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/RandomSource.h"

#include <QList>
#include <QtGlobal>

// Hands out scripted numbers, then a seeded repeatable sequence; counts the re-seeds.
class ScriptedRandom final : public RandomSource
{
public:
    explicit ScriptedRandom(quint64 seed = 1);

    void reseed() override { ++reseeds; }
    double next() override;

    QList<double> script;
    int reseeds = 0;
    int draws = 0;

private:
    quint64 m_state;
};
