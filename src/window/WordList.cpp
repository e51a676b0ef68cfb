// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/WordList.h"

WordList::WordList(QWidget *parent)
    : QListWidget(parent)
{
}

void WordList::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    // QListView reports the new current word as focused whether or not the list has the focus.
    if (hasFocus())
        QListWidget::currentChanged(current, previous);
    else
        QAbstractItemView::currentChanged(current, previous);
}
