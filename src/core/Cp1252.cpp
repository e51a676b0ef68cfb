// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Cp1252.h"

#include <QList>

#include <array>

namespace {

// 0x80 to 0x9F; 0 where the code page leaves the byte undefined.
constexpr std::array<char16_t, 32> HighBlock = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

} // namespace

char Cp1252::encodeChar(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(codePoint);
    for (std::size_t i = 0; i < HighBlock.size(); ++i) {
        if (HighBlock[i] != 0 && HighBlock[i] == codePoint)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

QByteArray Cp1252::encode(const QString &text, qsizetype maxLength)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t codePoint : text.toUcs4()) {
        if (bytes.size() == maxLength)
            break;
        bytes.append(encodeChar(codePoint));
    }
    return bytes;
}

QString Cp1252::decode(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        if (b >= 0x80 && b < 0xA0 && HighBlock[b - 0x80] != 0)
            text.append(QChar(HighBlock[b - 0x80]));
        else
            text.append(QChar(b));
    }
    return text;
}
