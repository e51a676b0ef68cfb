// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Dialogs.h"

#include <QList>
#include <QStringList>

#include <functional>

// Dialogs that answer from a script and record every box they were asked to show.
class ScriptedDialogs final : public Dialogs
{
public:
    enum class Kind { Inform, Confirm, AskText };

    struct Shown
    {
        Kind kind;
        QString text;
        QString title;
        QString defaultText;
        int maxLength = 0;
    };

    void inform(const QString &text, const QString &title) override;
    bool confirm(const QString &text, const QString &title) override;
    QString askText(const QString &prompt, const QString &title, const QString &defaultText, int maxLength) override;

    // Answers to questions, first to last; when they run out the answer is `confirmByDefault`.
    QList<bool> confirmAnswers;
    bool confirmByDefault = false;
    // Texts typed into input boxes, cut to the box's length as a line edit would; when they
    // run out the box's default text is accepted.
    QStringList textAnswers;
    // Runs while each box is showing, as a nested event would.
    std::function<void(const Shown &)> whileShowing;

    QList<Shown> shown;

private:
    void record(const Shown &box);
};
