// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The Windows-1252 code page the data files keep their text in.
class Cp1252
{
public:
    // One byte per character; a character the code page lacks becomes '?'.
    static QByteArray encode(const QString &text);
    static QString decode(QByteArrayView bytes);
    // The byte for one code point, or '?' when the code page lacks it.
    static char encodeChar(char32_t codePoint);
};
