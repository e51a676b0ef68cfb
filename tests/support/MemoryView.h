// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/GameView.h"

#include <QHash>
#include <QStringList>

#include <array>

// The window's controls as plain values, for tests of the game logic.
class MemoryView final : public GameView, public TileView
{
public:
    struct Tile
    {
        bool created = false;
        bool visible = false;
        bool marked = false;
        QRect twips;
        QString caption;
    };

    MemoryView();

    QString caption(ValueLabel label) const override { return captions.value(label); }
    void setCaption(ValueLabel label, const QString &text) override { captions[label] = text; }
    TileView &tiles() override { return *this; }
    void createTile(int index) override;
    QRect tileGeometry(int index) const override { return tileData.at(index).twips; }
    void setTileGeometry(int index, const QRect &twips) override { tileData.at(index).twips = twips; }
    void showTile(int index) override { tileData.at(index).visible = true; }
    QString tileCaption(int index) const override { return tileData.at(index).caption; }
    void setTileCaption(int index, const QString &letter) override { tileData.at(index).caption = letter; }
    bool tileMarked(int index) const override { return tileData.at(index).marked; }
    void setTileMarked(int index, bool marked) override { tileData.at(index).marked = marked; }
    void setButtonEnabled(WordButton button, bool enabled) override { buttons[button] = enabled; }
    bool startPanelShown() const override { return startPanel; }
    void setStartPanelShown(bool shown) override { startPanel = shown; }
    bool timerEnabled() const override { return timer; }
    void setTimerEnabled(bool enabled) override { timer = enabled; }
    int wordCount() const override { return int(words.size()); }
    QString wordAt(int index) const override { return words.value(index); }
    void addWord(const QString &word) override { words.append(word); }
    void clearWords() override;
    void selectWord(int index) override { selected = index; }
    int selectedWord() const override { return selected; }
    bool isChecked(MenuCheck item) const override { return checks.value(item); }
    void setChecked(MenuCheck item, bool checked) override { checks[item] = checked; }

    bool buttonEnabled(WordButton button) const { return buttons.value(button); }
    // The letters of the marked tiles, in board order.
    QString markedLetters() const;
    int markedCount() const;
    // All 400 tile captions run together, row by row.
    QString board() const;
    // Puts `letters` (one per tile, row by row) on the board.
    void setBoard(const QString &letters);

    std::array<Tile, 400> tileData;
    QHash<ValueLabel, QString> captions;
    QHash<WordButton, bool> buttons;
    QHash<MenuCheck, bool> checks;
    bool startPanel = true;
    bool timer = false;
    QStringList words;
    int selected = -1;
};
