// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>

#include <algorithm>

// Reads a device in blocks and hands over its lines, ended by CR LF, LF, CR or the end
// of the data. Empty lines and lines longer than `maxLength` are skipped, so a huge
// line costs no memory. `onLine` returns false to stop. False when reading fails.
template<typename OnLine>
bool scanLines(QIODevice &device, qsizetype maxLength, OnLine &&onLine)
{
    constexpr qint64 BlockSize = 256 * 1024;
    QByteArray block(BlockSize, Qt::Uninitialized);
    QByteArray pending; // the start of a line cut by the block's end
    bool overlong = false;
    const auto deliver = [&](QByteArrayView line) {
        const bool keep = !overlong && !line.isEmpty() && line.size() <= maxLength;
        overlong = false;
        return !keep || onLine(line);
    };
    for (;;) {
        const qint64 got = device.read(block.data(), BlockSize);
        if (got < 0)
            return false;
        if (got == 0)
            break;
        const char *begin = block.constData();
        const char *const end = begin + got;
        while (begin < end) {
            const char *stop = std::find_if(begin, end, [](char c) { return c == '\n' || c == '\r'; });
            if (stop == end) {
                if (!overlong && pending.size() + (end - begin) <= maxLength)
                    pending.append(begin, end - begin);
                else {
                    overlong = true;
                    pending.clear();
                }
                break;
            }
            bool goOn;
            if (pending.isEmpty()) {
                goOn = deliver(QByteArrayView(begin, stop - begin));
            } else {
                if (pending.size() + (stop - begin) <= maxLength)
                    pending.append(begin, stop - begin);
                else
                    overlong = true;
                goOn = deliver(pending);
                pending.clear();
            }
            if (!goOn)
                return true;
            begin = stop + 1;
        }
    }
    if (!pending.isEmpty() || overlong)
        deliver(pending);
    return true;
}
