// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

// The window is laid out in twips (1/1440 inch) and drawn at 15 of them to a pixel.
namespace Twips {

inline constexpr int PerPixel = 15;

constexpr QRect toPixels(int left, int top, int width, int height)
{
    return {left / PerPixel, top / PerPixel, width / PerPixel, height / PerPixel};
}

// The board's tiles: squares side by side from the surface's top-left margin.
inline constexpr int TileSize = 345;
inline constexpr int BoardMargin = 240;

constexpr QRect tileAt(int row, int column)
{
    return toPixels(BoardMargin + column * TileSize, BoardMargin + row * TileSize, TileSize, TileSize);
}

} // namespace Twips
