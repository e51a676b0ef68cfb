// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScriptedDialogs.h"

void ScriptedDialogs::record(const Shown &box)
{
    shown.append(box);
    if (whileShowing)
        whileShowing(box);
}

void ScriptedDialogs::inform(const QString &text, const QString &title)
{
    record({Kind::Inform, text, title, QString()});
}

bool ScriptedDialogs::confirm(const QString &text, const QString &title)
{
    record({Kind::Confirm, text, title, QString()});
    return confirmAnswers.isEmpty() ? confirmByDefault : confirmAnswers.takeFirst();
}

QString ScriptedDialogs::askText(const QString &prompt, const QString &title, const QString &defaultText, int maxLength)
{
    record({Kind::AskText, prompt, title, defaultText, maxLength});
    return textAnswers.isEmpty() ? defaultText : textAnswers.takeFirst().left(maxLength);
}
