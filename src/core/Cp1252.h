// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The Windows-1252 code page the data files keep their text in.
class Cp1252
{
public:
    // One byte per character, at most `maxLength` of them when it is not negative; a
    // character the code page lacks becomes '?'.
    static QByteArray encode(const QString &text, qsizetype maxLength = -1);
    static QString decode(QByteArrayView bytes);

private:
    // The byte for one code point, or '?' when the code page lacks it.
    static char encodeChar(char32_t codePoint);
};
