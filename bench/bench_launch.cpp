// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up as a player sees it: from starting the process to the first frame of the game's
// window, against a process that shows 400 plain labels. Both are launch_probe builds.
#include "BenchTiming.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

#include <memory>

class BenchLaunch : public QObject
{
    Q_OBJECT

private:
    // Starts `program` and returns once it has said its window is shown: the timed part.
    // The process is left to quit on its own, for reap() to collect off the clock.
    void launch(const QString &program)
    {
        if (!m_failure.isEmpty())
            return; // the figure is void already; no use waiting out more timeouts
        m_running = std::make_unique<QProcess>();
        m_running->setProcessEnvironment(m_environment);
        m_running->start(program, {});
        while (!m_running->canReadLine()) {
            if (!m_running->waitForReadyRead(10000)) {
                m_failure = program + QStringLiteral(" never said it was shown");
                return;
            }
        }
        if (m_running->readLine() != "shown\n")
            m_failure = program + QStringLiteral(" said something else first");
    }

    void reap()
    {
        if (!m_running)
            return;
        const bool finished = m_running->state() == QProcess::NotRunning || m_running->waitForFinished(10000);
        if (!finished || m_running->exitStatus() != QProcess::NormalExit || m_running->exitCode() != 0) {
            if (m_failure.isEmpty())
                m_failure = m_running->program() + QStringLiteral(" did not quit cleanly: ")
                    + QString::fromLocal8Bit(m_running->readAllStandardError());
            m_running->kill();
            m_running->waitForFinished(1000);
        }
        m_running.reset();
    }

    // The two builds of launch_probe, beside this program.
    const QString m_bare = QCoreApplication::applicationDirPath() + QStringLiteral("/launch_bare");
    const QString m_game = QCoreApplication::applicationDirPath() + QStringLiteral("/launch_game");
    QProcessEnvironment m_environment;
    std::unique_ptr<QProcess> m_running;
    QString m_failure;

private slots:
    void initTestCase()
    {
        m_environment = QProcessEnvironment::systemEnvironment();
        if (!m_environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
            m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        // Loads both from disk once, so that neither side pays for a cold cache.
        for (const QString &program : {m_bare, m_game}) {
            launch(program);
            reap();
            QVERIFY2(m_failure.isEmpty(), qPrintable(m_failure));
        }
    }

    void startUp()
    {
        Timed floor{"bare QMainWindow with 400 labels", [&] { launch(m_bare); }, {}};
        Timed subject{"zentile", [&] { launch(m_game); }, {}};
        timeInTurn({&floor, &subject}, 30, 200, 20000, [&] { reap(); });
        QVERIFY2(m_failure.isEmpty(), qPrintable(m_failure));
        printRatio("start-up", subject, floor, 1.1);
    }

    void cleanup() { reap(); }
};

QTEST_GUILESS_MAIN(BenchLaunch)
#include "bench_launch.moc"
