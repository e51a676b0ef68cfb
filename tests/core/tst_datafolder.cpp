// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/DataFolder.h"
#include "play/Dictionary.h"
#include "scores/HighScoreFile.h"
#include "support/FileBytes.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

class TestDataFolder : public QObject
{
    Q_OBJECT

private slots:
    void choice_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("seeded");
        QTest::newRow("the player's folder beside the game") << true << true;
        QTest::newRow("a system folder, files beside the game") << false << true;
        QTest::newRow("a system folder, nothing beside the game") << false << false;
    }

    void choice()
    {
        QFETCH(bool, writable);
        QFETCH(bool, seeded);
        const HighScoreRecord seedRecord{1, 500, HighScoreRecord::encodeName(QStringLiteral("ADA"))};
        const HighScoreRecord playedRecord{2, 300, HighScoreRecord::encodeName(QStringLiteral("BOB"))};
        const QString wordsFile = QStringLiteral("/Dictionary.kvz"), tableFile = QStringLiteral("/HighScore.kvz");
        QTemporaryDir tmp;
        const QString exeDir = tmp.filePath(QStringLiteral("bin"));
        const QString playerDir = tmp.filePath(QStringLiteral("home/.local/share/zentile"));
        QVERIFY(QDir().mkpath(exeDir));
        QString error;
        const QByteArray seedWords = seeded ? "SEED\r\n" : "";
        if (seeded) {
            QVERIFY(FileBytes::write(exeDir + wordsFile, seedWords));
            QVERIFY(HighScoreFile(exeDir).update([&](auto &t) { t[0] = seedRecord; return true; }, &error));
        }
        const QByteArray seedTable = FileBytes::read(exeDir + tableFile);

        // The player's game reads, then adds a word and a score; reading alone makes no folder.
        const auto playerGame = [&] {
            const DataFolder folder = DataFolder::choose(exeDir, playerDir);
            ScriptedDialogs dialogs;
            Dictionary dictionary(folder, dialogs);
            HighScoreFile table(folder);
            const auto before = table.read(&error);
            return dictionary.WordAllowed(QStringLiteral("SEED")) == seeded && before && ((*before)[0] == seedRecord) == seeded
                && !QFileInfo::exists(playerDir) && dictionary.AddToDictionary(QStringLiteral("NEW"))
                && table.update([&](auto &t) { t[1] = playedRecord; return true; }, &error);
        };
#ifdef Q_OS_UNIX
        // Root writes anywhere: a child that is nobody stands in for the player.
        const passwd *nobody = geteuid() == 0 ? getpwnam("nobody") : nullptr;
        if (geteuid() == 0 && !nobody)
            QSKIP("running as root, and there is no user nobody to play as");
        if (nobody)
            QCOMPARE(QProcess::execute(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("nobody"), tmp.path()}), 0);
        if (!writable)
            QVERIFY(QFile::setPermissions(exeDir, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
        const pid_t child = fork();
        if (child == 0) {
            if (nobody && (setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0))
                _exit(1);
            _exit(playerGame() ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(QFile::setPermissions(exeDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
#else
        // A folder's read-only flag keeps no file out on Windows; its access list does, which
        // the game under Wine shows, from a read-only folder.
        if (!writable)
            QSKIP("a folder the player may not write takes an access list on Windows");
        QVERIFY(playerGame());
#endif

        // Written where the player may write, starting from what stood beside the game, which is kept.
        const QString kept = writable ? exeDir : playerDir;
        QCOMPARE(FileBytes::read(kept + wordsFile), seedWords + "NEW\r\n");
        const auto table = HighScoreFile(kept).read(&error);
        QVERIFY(table && ((*table)[0] == seedRecord) == seeded && (*table)[1] == playedRecord);
        QCOMPARE(QFileInfo::exists(playerDir), !writable);
        QVERIFY(writable || (FileBytes::read(exeDir + wordsFile) == seedWords && FileBytes::read(exeDir + tableFile) == seedTable));
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
