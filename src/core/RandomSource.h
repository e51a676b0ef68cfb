// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A uniform random source that can be re-seeded from the clock.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    virtual void reseed() = 0;
    // A number u with 0 <= u < 1.
    virtual double next() = 0;
};
