// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

// The game lays itself out in twips (1/1440 inch); the window draws 15 of them to a pixel.
namespace Twips {

inline constexpr int PerPixel = 15;

constexpr QRect toPixels(int left, int top, int width, int height)
{
    return {left / PerPixel, top / PerPixel, width / PerPixel, height / PerPixel};
}

constexpr QRect toPixels(const QRect &twips)
{
    return toPixels(twips.x(), twips.y(), twips.width(), twips.height());
}

constexpr QRect fromPixels(const QRect &pixels)
{
    return {pixels.x() * PerPixel, pixels.y() * PerPixel, pixels.width() * PerPixel, pixels.height() * PerPixel};
}

} // namespace Twips
