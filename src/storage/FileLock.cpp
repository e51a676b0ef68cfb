// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/FileLock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>

namespace {

constexpr qint64 NamelessStaleMs = 2000;

void removeIfNameless(QLockFile &lockFile)
{
    qint64 pid = 0;
    QString host, app;
    const QFileInfo file(lockFile.fileName());
    if (file.isFile() && !lockFile.getLockInfo(&pid, &host, &app)
        && qAbs(file.lastModified().msecsTo(QDateTime::currentDateTime())) > NamelessStaleMs)
        lockFile.removeStaleLockFile();
}

} // namespace

FileLock::FileLock(const QString &folder)
    : m_folder(folder.isEmpty() ? QStringLiteral(".") : folder)
{
}

FileLock::~FileLock()
{
    unlock();
}

void FileLock::waitTurn()
{
    // Another game is saving; it ends by finishing or by dying, so wait as long as
    // it takes. The window keeps painting meanwhile; clicks and keys wait their turn.
    QThread::msleep(10);
    if (QCoreApplication *app = QCoreApplication::instance(); app && app->thread() == QThread::currentThread())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool FileLock::lockFile()
{
    // Something other than a lock file in its place is no game's to remove: every game
    // then turns to the second name.
    for (const QString &name : {lockFileName(), QStringLiteral(".zentile-2.lock")}) {
        const QFileInfo entry(QDir(m_folder).filePath(name));
        if (entry.exists() && !entry.isFile())
            continue;
        m_lockFile = std::make_unique<QLockFile>(entry.filePath());
        // Only a dead holder makes the lock stale, never a slow one.
        m_lockFile->setStaleLockTime(0);
        for (;;) {
            if (m_lockFile->tryLock(0)) {
                // What QLockFile's removal of a stale lock leaves when killed: with the lock
                // held, no other game is removing it.
                for (const QFileInfo &left : QDir(m_folder).entryInfoList({name + QStringLiteral(".rmlock*")}, QDir::Files | QDir::Hidden))
                    QFile::remove(left.filePath());
                return true;
            }
            // A folder that takes no new file: the write that follows meets the same fault.
            if (m_lockFile->error() != QLockFile::LockFailedError || (entry.exists() && !entry.isFile()))
                break;
            // A game killed as it made the file, or QLockFile's own file for removing a stale
            // one, left it without its owner's name, so nobody can tell whether that owner
            // lives. Writing the name takes a moment: such a file soon counts as stale.
            removeIfNameless(*m_lockFile);
            for (const QFileInfo &removal : QDir(m_folder).entryInfoList({name + QStringLiteral(".rmlock*")}, QDir::Files | QDir::Hidden)) {
                QLockFile file(removal.filePath());
                removeIfNameless(file);
            }
            waitTurn();
        }
        m_lockFile.reset();
        return false;
    }
    return false;
}
