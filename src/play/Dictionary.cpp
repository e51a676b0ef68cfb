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
    RegularFile source;
    if (!source.open(m_folder.readPath(QStringLiteral("Dictionary.kvz")), RegularFile::Read))
        return found;
    QFile &file = source.file();
    // Some editors begin the file with a byte-order mark; it is no part of the first word.
    if (file.peek(3) == QByteArrayLiteral("\xEF\xBB\xBF"))
        file.skip(3);
    scanLines(file, longest, [&](QByteArrayView line) {
        // Borrows the line's bytes: no copy per line.
        const auto hit = wanted.constFind(QByteArray::fromRawData(line.data(), line.size()));
        if (hit != wanted.constEnd()) {
            found.insert(hit.value());
            wanted.erase(hit);
        }
        return !wanted.isEmpty();
    });
    return found;
}

bool Dictionary::AddToDictionary(const QString &word)
{
    QString reason;
    QString about = m_path;
    if (appendLine(Cp1252::encode(word) + QByteArrayLiteral("\r\n"), &reason, &about))
        return true;
    m_dialogs.inform(QStringLiteral("The word %1 could not be added to your dictionary in %2: %3.")
                         .arg(word, QDir::toNativeSeparators(about), reason),
                     QStringLiteral("Zentile"));
    return false;
}

bool Dictionary::appendLine(QByteArray line, QString *reason, QString *about) const
{
    if (!m_folder.prepareWrite(QStringLiteral("Dictionary.kvz"), reason, about))
        return false;
    // The lock of the high-score saves: a roll-back below must never cut another game's line.
    FileLock lock(QFileInfo(m_path).path());
    lock.lock();
    RegularFile file;
    bool created = false;
    // Read access tells how the last line ends; a file we may only write is appended to all the same.
    bool readable = file.open(m_path, RegularFile::Read | RegularFile::Append);
    if (!readable && file.isDenied())
        file.open(m_path, RegularFile::Append);
    if (!file.isOpen() && file.isMissing())
        readable = created = file.open(m_path, RegularFile::Read | RegularFile::Append | RegularFile::CreateNew);
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
