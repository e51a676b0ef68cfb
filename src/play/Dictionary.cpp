// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/Dictionary.h"

#include "board/Cp1252.h"
#include "play/LineScanner.h"
#include "window/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QHash>

Dictionary::Dictionary(const QString &dataDir, Dialogs &dialogs)
    : m_path(QDir(dataDir).filePath(QStringLiteral("Dictionary.kvz")))
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
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return found;
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
    QFile file(m_path);
    // A last line left without its line end would otherwise run into the new word.
    bool needsLineEnd = false;
    if (file.open(QIODevice::ReadOnly)) {
        if (file.size() > 0 && file.seek(file.size() - 1)) {
            char last = 0;
            needsLineEnd = file.getChar(&last) && last != '\n' && last != '\r';
        }
        file.close();
    }
    QByteArray line = needsLineEnd ? QByteArrayLiteral("\r\n") : QByteArray();
    line += Cp1252::encode(word) + QByteArrayLiteral("\r\n");

    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(line) != line.size() || !file.flush()) {
        m_dialogs.inform(file.errorString(), QStringLiteral("Zentile"));
        return false;
    }
    return true;
}
