// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/Dictionary.h"

#include "core/Cp1252.h"
#include "storage/FileLock.h"
#include "storage/RegularFile.h"
#include "play/LineScanner.h"
#include "core/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <bitset>
#include <vector>

Dictionary::Dictionary(const DataFolder &dataDir, Dialogs &dialogs)
    : m_path(dataDir.filePath(QStringLiteral("Dictionary.kvz")))
    , m_folder(dataDir)
    , m_dialogs(dialogs)
{
}

bool Dictionary::WordAllowed(const QString &word) const
{
    return findAll({word}).contains(word);
}

namespace {

// A few bytes of a non-empty line folded into 16 bits: most lines of a wanted length are told
// from every wanted word without hashing them.
quint16 lineSketch(QByteArrayView line)
{
    const auto byte = [&](qsizetype i) { return quint32(quint8(line[i])); };
    return quint16((byte(0) * 961 + byte(line.size() / 2) * 31 + byte(line.size() - 1)) * 2654435761u >> 16);
}

// Moves `line` from `wanted` to `found` when it is a wanted word; false once none is left.
// Kept out of the scan's loop, which seldom gets this far.
Q_NEVER_INLINE bool takeWanted(QByteArrayView line, QHash<QByteArray, QString> &wanted, QSet<QString> &found)
{
    // Borrows the line's bytes: no copy per line.
    const auto hit = wanted.constFind(QByteArray::fromRawData(line.data(), line.size()));
    if (hit != wanted.constEnd()) {
        found.insert(hit.value());
        wanted.erase(hit);
    }
    return !wanted.isEmpty();
}

} // namespace

QSet<QString> Dictionary::findAll(const QStringList &words) const
{
    QHash<QByteArray, QString> wanted;
    qsizetype longest = 0;
    for (const QString &word : words) {
        const QByteArray bytes = Cp1252::encode(word);
        if (bytes.isEmpty())
            continue;
        wanted.insert(bytes, word);
        longest = std::max(longest, bytes.size());
    }
    QSet<QString> found;
    if (wanted.isEmpty())
        return found;
    // A line is hashed only when its length and sketch are those of some wanted word; one
    // test of both a line, as neither alone is predictable.
    std::vector<quint8> wantedLength(longest + 2); // the last stands for every longer line
    std::bitset<65536> wantedSketch;
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
        wantedLength[it.key().size()] = 1;
        wantedSketch[lineSketch(it.key())] = true;
    }
    RegularFile source;
    if (!source.open(m_folder.readPath(QStringLiteral("Dictionary.kvz")), RegularFile::Read))
        return found;
    QFile &file = source.file();
    // Captured by value, so that they can stay in registers through the scan.
    const quint8 *const lengths = wantedLength.data();
    const std::bitset<65536> *const sketches = &wantedSketch;
    scanLines(file, longest, [lengths, sketches, longest, &wanted, &found](QByteArrayView line) {
        const bool candidate = lengths[std::min(line.size(), longest + 1)] & (*sketches)[lineSketch(line)];
        return !candidate || takeWanted(line, wanted, found);
    });
    return found;
}

bool Dictionary::AddToDictionary(const QString &word)
{
    for (;;) {
        QString reason;
        QString about = m_path;
        bool busy = false;
        if (appendLine(Cp1252::encode(word) + QByteArrayLiteral("\r\n"), &reason, &about, &busy))
            return true;
        const QString failure = QStringLiteral("The word %1 could not be added to your dictionary in %2: %3.")
                                    .arg(word, QDir::toNativeSeparators(about), reason);
        if (!busy) {
            m_dialogs.inform(failure, QStringLiteral("Zentile"));
            return false;
        }
        // The word is kept for another try once the other game is done.
        if (!m_dialogs.confirm(failure + QStringLiteral(" Try again?"), QStringLiteral("Zentile")))
            return false;
    }
}

bool Dictionary::appendLine(QByteArray line, QString *reason, QString *about, bool *busy) const
{
    if (!m_folder.prepareWrite(QStringLiteral("Dictionary.kvz"), reason, about, busy))
        return false;
    // The lock of the high-score saves: a roll-back below must never cut another game's line.
    FileLock lock(QFileInfo(m_path).path());
    if (lock.lock() == FileLock::Result::Busy) {
        *reason = lock.busyReason();
        *about = QFileInfo(m_path).path();
        *busy = true;
        return false;
    }
    RegularFile file;
    bool created = false;
    // Read access tells how the last line ends; a file we may only write is appended to all the same.
    bool readable = file.open(m_path, RegularFile::Read | RegularFile::Append);
    if (!readable && file.isDenied())
        file.open(m_path, RegularFile::Append);
    if (!file.isOpen() && file.isMissing()) {
        readable = created = file.open(m_path, RegularFile::Read | RegularFile::Append | RegularFile::CreateNew);
        // Without a lock another game may have made it first: its file is appended to.
        if (!created && QFileInfo::exists(m_path))
            readable = file.open(m_path, RegularFile::Read | RegularFile::Append);
    }
    const qint64 oldSize = file.isOpen() ? file.size() : -1;
    if (oldSize < 0) {
        *reason = file.errorString();
        return false;
    }
    if (oldSize > 0) {
        // A last line left without its line end would run into the new word. When that byte
        // cannot be read, a line end goes first anyway: an empty line never matches a word.
        QByteArray last;
        const bool known = readable && file.readAt(oldSize - 1, 1, &last) && last.size() == 1;
        if (!known || (last.at(0) != '\n' && last.at(0) != '\r'))
            line.prepend("\r\n");
    }
    if (file.writeAll(line) && file.sync())
        return true;

    // The whole line or nothing: a piece of a word would later count as a confirmed word.
    *reason = file.errorString();
    file.truncate(oldSize);
    file.close();
    if (created)
        QFile::remove(m_path);
    return false;
}
