// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>

#include <cstring>

namespace LineScan {

// The size of the blocks a device is read in: large enough that a read costs little per
// line, small enough to stay in the cache while its lines are split.
inline constexpr qint64 BlockSize = 256 * 1024;

// True when a CR stands in `bytes` with something other than LF right after it. A CR that
// ends `bytes` does not count. Fixed-size chunks let the compiler vectorize the test.
inline bool hasLoneCr(const char *bytes, qsizetype size)
{
    constexpr qsizetype Chunk = 64;
    qsizetype i = 0;
    for (; i + Chunk < size; i += Chunk) {
        unsigned char lone = 0;
        for (qsizetype k = i; k < i + Chunk; ++k)
            lone |= (bytes[k] == '\r') & (bytes[k + 1] != '\n');
        if (lone)
            return true;
    }
    for (; i + 1 < size; ++i) {
        if (bytes[i] == '\r' && bytes[i + 1] != '\n')
            return true;
    }
    return false;
}

} // namespace LineScan

// Reads a device in blocks and hands over its lines, ended by CR LF, LF, CR or the end
// of the data; a byte-order mark at the start is skipped. Empty lines are skipped. Every line
// up to `maxLength` bytes is handed over; a longer one may be too, except that the start of a
// line is kept from one block to the next only up to `maxLength`, so a huge line costs no
// memory. `onLine` returns false to stop. False when reading fails.
template<typename OnLine>
bool scanLines(QIODevice &device, qsizetype maxLength, OnLine &&onLine, qint64 blockSize = LineScan::BlockSize)
{
    // Some editors begin a file with a byte-order mark; it is no part of the first line.
    if (device.peek(3) == QByteArrayLiteral("\xEF\xBB\xBF"))
        device.skip(3);
    QByteArray block(blockSize, Qt::Uninitialized);
    QByteArray pending; // the start of a line cut by the block's end: never a CR or LF in it
    bool overlong = false; // that start was longer than maxLength already
    // Hands over the line ending at `end`; its start may be waiting in `pending`.
    const auto finish = [&](const char *begin, const char *end) {
        if (pending.isEmpty() && !overlong)
            return begin == end || end - begin > maxLength || onLine(QByteArrayView(begin, end - begin));
        const bool keep = !overlong && pending.size() + (end - begin) <= maxLength;
        overlong = false;
        bool goOn = true;
        if (keep) {
            pending.append(begin, end - begin);
            goOn = onLine(QByteArrayView(pending));
        }
        pending.clear();
        return goOn;
    };
    // Hands over the lines of `[begin, end)`, which holds no LF, split at its CRs.
    const auto splitAtCr = [&](const char *begin, const char *end) {
        while (const auto *cr = static_cast<const char *>(std::memchr(begin, '\r', end - begin))) {
            if (!finish(begin, cr))
                return false;
            begin = cr + 1;
        }
        return finish(begin, end);
    };
    for (;;) {
        const qint64 got = device.read(block.data(), blockSize);
        if (got < 0)
            return false;
        if (got == 0)
            break;
        const char *begin = block.constData();
        const char *const end = begin + got;
        // Files of CR LF or LF lines are split at LF alone; a lone CR anywhere in the block
        // makes every piece between LFs split at its CRs as well.
        const bool loneCr = LineScan::hasLoneCr(begin, got);
        if (!pending.isEmpty() || overlong) {
            // The first line of the block ends the one the last block cut.
            const auto *lf = static_cast<const char *>(std::memchr(begin, '\n', end - begin));
            if (lf) {
                if (!(loneCr ? splitAtCr(begin, lf) : finish(begin, lf - (lf > begin && lf[-1] == '\r'))))
                    return true;
                begin = lf + 1;
            }
        }
        // The lines that the block holds whole: the hot loop, kept to one test a line.
        while (const auto *lf = static_cast<const char *>(std::memchr(begin, '\n', end - begin))) {
            if (loneCr) {
                if (!splitAtCr(begin, lf))
                    return true;
            } else {
                const char *const stop = lf - (lf > begin && lf[-1] == '\r');
                if (stop != begin && !onLine(QByteArrayView(begin, stop - begin)))
                    return true;
            }
            begin = lf + 1;
        }
        // The rest holds no LF: its lines up to its last CR are complete, the remainder waits.
        const char *afterCr = end;
        while (afterCr > begin && afterCr[-1] != '\r')
            --afterCr;
        if (afterCr > begin) {
            if (!splitAtCr(begin, afterCr - 1))
                return true;
            begin = afterCr;
        }
        if (begin < end) {
            if (!overlong && pending.size() + (end - begin) <= maxLength) {
                pending.append(begin, end - begin);
            } else {
                overlong = true;
                pending.clear();
            }
        }
    }
    if (!pending.isEmpty() || overlong)
        finish(nullptr, nullptr);
    return true;
}
