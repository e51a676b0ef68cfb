// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Board.h"
#include "window/LetterStamps.h"

#include <QColor>
#include <QList>
#include <QPointer>

#include <QWidget>

#include <array>

class GameModel;
class TileLabel;

// The window's client area and the owner of the 400 tiles: it lays out, captions and marks
// them, passes on their clicks and lets the keyboard play them. Tiles take their font and
// colour from it. Arrows move a cursor over the board, Space picks, Return submits,
// Escape clears, T asks for the clock.
class BoardSurface : public QWidget
{
    Q_OBJECT

public:
    explicit BoardSurface(QWidget *parent);

    int cursor() const { return m_cursor; }
    // The cursor is drawn, and describes the board to a screen reader, only once the
    // keyboard has been used on the board.
    bool cursorShown() const { return m_cursorShown; }
    // The tile's place on the surface, in pixels.
    QRect tileRect(int index) const;
    TileLabel *tile(int index) const { return l[index]; }
    // Shows the letters and the word of `model`, which also names the tiles.
    void follow(const GameModel &model);
    // What a screen reader says of a tile: the letter, its row and column, and whether it is in the word.
    QString spokenName(int index) const;
    // True for the tile under the cursor while the keyboard plays the board.
    bool hasKeyboardCursor(int index) const { return index == m_cursor && m_cursorShown && hasFocus(); }
    // Takes the focus with the cursor shown on the top-left tile, as a game starts.
    void takeFocusForPlay();
    // The letters' and marks' colour, the cursor's outline (also the board's focus frame) and
    // the fill of its cell. Kept here rather than as a palette, which all 400 tiles would inherit.
    void setColours(const QColor &letters, const QColor &line, const QColor &cell);
    QColor letterColour() const;

    // Creates the 400 tiles, each at its row and column.
    void MakeGrid();
    // Creates tile `n` and places it at its row and column.
    void AddTile(int n);

signals:
    void tileClicked(int index);
    void tileDoubleClicked(int index);
    void pickRequested(int index);
    void submitRequested();
    void clearRequested();
    void clockRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void showLetters(const QString &letters);
    // Borders exactly the tiles of the current word.
    void showWord(const QList<int> &tiles);
    void setTileMarked(int index, bool marked);
    void moveCursor(int rows, int columns);
    // Tells a screen reader that the tile under the cursor has the focus now.
    void announceCursor();
    // The rectangle the tiles cover, in pixels.
    QRect tilesArea() const;

    // Gone before the tiles when the window closes, which still names them to readers.
    QPointer<const GameModel> m_model;
    std::array<TileLabel *, Board::TileCount> l{};
    QList<int> m_wordTiles;
    int m_cursor = 0;
    bool m_cursorShown = false;
    QColor m_letters;
    QColor m_cursorLine;
    QColor m_cursorCell;
    LetterStamps m_stamps;
};
