// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The board's shape: tiles are numbered row by row from 0, and known by index, row and column.
namespace Board {

inline constexpr int Side = 20;
inline constexpr int TileCount = Side * Side;

constexpr int rowOf(int tile) { return tile / Side; }
constexpr int columnOf(int tile) { return tile % Side; }

// Two different tiles touch when their rows and their columns each differ by at most one.
constexpr bool touch(int a, int b)
{
    const int rows = rowOf(a) - rowOf(b);
    const int columns = columnOf(a) - columnOf(b);
    return a != b && rows >= -1 && rows <= 1 && columns >= -1 && columns <= 1;
}

} // namespace Board
