// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Dialogs.h"

#include <QPointer>
#include <QWidget>

// The real modal boxes: QMessageBox and QInputDialog over the game's window.
class QtDialogs final : public Dialogs
{
public:
    explicit QtDialogs(QWidget *parent);

    void inform(const QString &text, const QString &title) override;
    bool confirm(const QString &text, const QString &title) override;
    QString askText(const QString &prompt, const QString &title, const QString &defaultText, int maxLength) override;

private:
    QPointer<QWidget> m_parent;
};
