// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/MemoryView.h"

MemoryView::MemoryView()
{
    // As the window's design leaves its controls before any code runs.
    tileData[0].created = true;
    tileData[0].visible = true;
    tileData[0].twips = QRect(240, 240, 255, 255);
    captions = {{ValueLabel::Word, QString()},
                {ValueLabel::Score, QStringLiteral("0")},
                {ValueLabel::ThisScore, QStringLiteral("0")},
                {ValueLabel::AddTime, QStringLiteral("0")},
                {ValueLabel::Time, QStringLiteral("00:00")}};
    buttons = {{WordButton::Enter, false}, {WordButton::Shuffle, false}, {WordButton::Clear, false}};
    checks = {{MenuCheck::Time30, false},
              {MenuCheck::Time1, false},
              {MenuCheck::Time130, false},
              {MenuCheck::Time2, true},
              {MenuCheck::AllowAddWords, true}};
}

void MemoryView::createTile(int index)
{
    Tile &tile = tileData.at(index);
    tile = tileData[0];
    tile.visible = false;
    tile.marked = false;
    tile.created = true;
}

void MemoryView::clearWords()
{
    words.clear();
    selected = -1;
}

QString MemoryView::markedLetters() const
{
    QString letters;
    for (const Tile &tile : tileData) {
        if (tile.marked)
            letters += tile.caption;
    }
    return letters;
}

int MemoryView::markedCount() const
{
    int count = 0;
    for (const Tile &tile : tileData)
        count += tile.marked ? 1 : 0;
    return count;
}

QString MemoryView::board() const
{
    QString letters;
    for (const Tile &tile : tileData)
        letters += tile.caption;
    return letters;
}

void MemoryView::setBoard(const QString &letters)
{
    for (int i = 0; i < int(tileData.size()) && i < letters.size(); ++i)
        tileData[i].caption = letters.at(i);
}
