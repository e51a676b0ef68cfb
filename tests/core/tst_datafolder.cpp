// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/DataFolder.h"
#include "play/Dictionary.h"
#include "scores/HighScoreFile.h"
#include "support/FileBytes.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const HighScoreRecord Seeded{1, 500, HighScoreRecord::encodeName(QStringLiteral("ADA"))};
const HighScoreRecord Played{2, 300, HighScoreRecord::encodeName(QStringLiteral("BOB"))};

// Reads, then writes a word and a score, as a player's game would; 0 when each step went right.
int play(const QString &exeDir, const QString &playerDir, bool seeded)
{
    const DataFolder folder = DataFolder::choose(exeDir, playerDir);
    ScriptedDialogs dialogs;
    Dictionary dictionary(folder, dialogs);
    HighScoreFile table(folder);
    QString error;
    const auto before = table.read(&error);
    if (dictionary.WordAllowed(QStringLiteral("SEED")) != seeded || !before || ((*before)[0] == Seeded) != seeded)
        return 1;
    if (QFileInfo::exists(playerDir))
        return 2; // reading alone must not make the player's folder
    if (!dictionary.AddToDictionary(QStringLiteral("NEW")) || !table.update([](HighScoreFile::Table &t) { t[1] = Played; return true; }, &error))
        return 3;
    return 0;
}

} // namespace

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
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString exeDir = tmp.filePath(QStringLiteral("bin"));
        const QString playerDir = tmp.filePath(QStringLiteral("home/.local/share/zentile"));
        QVERIFY(QDir().mkpath(exeDir) && QDir().mkpath(tmp.filePath(QStringLiteral("home"))));
        QString error;
        if (seeded) {
            QVERIFY(FileBytes::write(exeDir + QStringLiteral("/Dictionary.kvz"), "SEED\r\n"));
            QVERIFY(HighScoreFile(exeDir).update([](HighScoreFile::Table &t) { t[0] = Seeded; return true; }, &error));
        }
        const QByteArray seedTable = FileBytes::read(exeDir + QStringLiteral("/HighScore.kvz"));

        // Root writes anywhere: a child that is nobody stands in for the player.
        const passwd *nobody = geteuid() == 0 ? getpwnam("nobody") : nullptr;
        if (geteuid() == 0 && !nobody)
            QSKIP("running as root, and there is no user nobody to play as");
        if (nobody)
            QVERIFY(QProcess::execute(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("nobody"), tmp.path()}) == 0);
        if (!writable)
            QVERIFY(QFile::setPermissions(exeDir, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
        const pid_t child = fork();
        if (child == 0)
            _exit(nobody && (setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0) ? 9 : play(exeDir, playerDir, seeded));
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(QFile::setPermissions(exeDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0);

        // Written where the player may write, starting from what stood beside the game.
        const QString kept = writable ? exeDir : playerDir;
        QCOMPARE(FileBytes::read(kept + QStringLiteral("/Dictionary.kvz")), QByteArray(seeded ? "SEED\r\nNEW\r\n" : "NEW\r\n"));
        const auto table = HighScoreFile(kept).read(&error);
        QVERIFY(table);
        QCOMPARE((*table)[0] == Seeded, seeded);
        QCOMPARE((*table)[1], Played);
        QCOMPARE(QFileInfo::exists(playerDir), !writable);
        if (!writable) {
            QCOMPARE(FileBytes::read(exeDir + QStringLiteral("/Dictionary.kvz")), QByteArray(seeded ? "SEED\r\n" : ""));
            QCOMPARE(FileBytes::read(exeDir + QStringLiteral("/HighScore.kvz")), seedTable);
        }
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
