// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The modal boxes the game asks and tells through.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // A message with an OK button and no icon.
    virtual void inform(const QString &text, const QString &title) = 0;
    // A Yes/No question with Yes as the default; true for Yes.
    virtual bool confirm(const QString &text, const QString &title) = 0;
    // What a line edit takes when nothing limits it.
    static constexpr int AnyLength = 32767;

    // A line of at most `maxLength` characters, with a default; the empty text when cancelled.
    virtual QString askText(const QString &prompt, const QString &title, const QString &defaultText, int maxLength) = 0;
};
