// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The style Qt chose for this desktop, except that the menu bar's overflow arrow is made only
// when it is first drawn: decoding it loads every image plugin Qt has before the first frame.
class ApplicationStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit ApplicationStyle(QStyle *base);

    // Puts this style in front of the application's own; call before any window is made.
    static void install();

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
