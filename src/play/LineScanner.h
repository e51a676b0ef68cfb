// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QtAlgorithms>

// SSE2 is part of every x86-64 processor; elsewhere the lines are split byte by byte.
#if defined(__SSE2__) || defined(_M_X64)
#define ZENTILE_SCAN_SSE2 1
#include <emmintrin.h>
#endif

namespace LineScan {

// The size of the blocks a device is read in: large enough that a read costs little per
// line, small enough to stay in the cache while its lines are split.
inline constexpr qint64 BlockSize = 256 * 1024;

// True when the byte at `at` ends a line: an LF, or a CR that no LF follows. A CR that
// ends the data counts as well.
inline bool endsLine(const char *at, const char *end)
{
    return *at == '\n' || (*at == '\r' && (at + 1 == end || at[1] != '\n'));
}

// Calls `onEnd` with each byte of [begin, end) that ends a line, in order, until it returns
// false; false then.
template<typename OnEnd>
bool forEachLineEnd(const char *begin, const char *end, OnEnd &&onEnd)
{
    const char *at = begin;
#ifdef ZENTILE_SCAN_SSE2
    // 64 bytes at a time: a bit for each byte that ends a line. Reads one byte past each
    // 64, to tell a CR LF from a lone CR, so the last bytes go byte by byte.
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    for (; end - at > 64; at += 64) {
        quint64 ends = 0;
        for (int k = 0; k < 64; k += 16) {
            const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i *>(at + k));
            const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i *>(at + k + 1));
            const __m128i loneCr = _mm_andnot_si128(_mm_cmpeq_epi8(next, lf), _mm_cmpeq_epi8(here, cr));
            ends |= quint64(quint16(_mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(here, lf), loneCr)))) << k;
        }
        for (; ends; ends &= ends - 1) {
            if (!onEnd(at + qCountTrailingZeroBits(ends)))
                return false;
        }
    }
#endif
    for (; at < end; ++at) {
        if (endsLine(at, end) && !onEnd(at))
            return false;
    }
    return true;
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
    for (;;) {
        const qint64 got = device.read(block.data(), blockSize);
        if (got < 0)
            return false;
        if (got == 0)
            break;
        const char *begin = block.constData();
        const char *const end = begin + got;
        // A CR that ends a block ends its line; an LF opening the next then ends an empty one.
        const bool goOn = LineScan::forEachLineEnd(begin, end, [&](const char *at) {
            // The CR of a CR LF is no part of the line.
            const char *const stop = at - (*at == '\n' && at > begin && at[-1] == '\r');
            const bool more = Q_UNLIKELY(!pending.isEmpty() || overlong)
                ? finish(begin, stop)
                : stop == begin || onLine(QByteArrayView(begin, stop - begin));
            begin = at + 1;
            return more;
        });
        if (!goOn)
            return true;
        // The rest ends no line: it waits for the next block.
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
