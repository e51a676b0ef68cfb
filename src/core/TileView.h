// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

// The 400 letter tiles as the logic sees them; the window's board holds the real ones.
class TileView
{
public:
    virtual ~TileView() = default;

    // Creates tile `index` as a hidden copy of tile 0, its size included.
    virtual void createTile(int index) = 0;
    // Tile position and size in twips, within the window's client area.
    virtual QRect tileGeometry(int index) const = 0;
    virtual void setTileGeometry(int index, const QRect &twips) = 0;
    virtual void showTile(int index) = 0;
    virtual QString tileCaption(int index) const = 0;
    virtual void setTileCaption(int index, const QString &letter) = 0;
    // A marked tile (drawn with a border) is part of the current word.
    virtual bool tileMarked(int index) const = 0;
    virtual void setTileMarked(int index, bool marked) = 0;
};
