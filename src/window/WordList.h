// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

// The list of words played. It tells a screen reader its current word has the focus only
// while it holds the focus itself: the game moves the current word as the board is played.
// While focused it is bordered in the highlight colour, since it draws no focus of its own
// while it is empty or has no current word.
class WordList : public QListWidget
{
    Q_OBJECT

public:
    explicit WordList(QWidget *parent);

protected:
    bool event(QEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
};
