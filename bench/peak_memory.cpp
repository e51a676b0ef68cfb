// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Peak memory of a game in progress next to a bare Qt window, each in a process of its own.
//   peak_memory          runs both and prints the two peaks in MiB and their ratio
//   peak_memory game     one game window, started and a few seconds played, then its peak
//   peak_memory bare     one empty main window of the same size, then its peak
#include "ShowWindow.h"

#include "game/Game.h"
#include "window/frmZentile.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

// The process's high-water mark of resident memory, in KiB; -1 when unknown.
long long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpression hwm(QStringLiteral("^VmHWM:\\s*(\\d+)\\s*kB"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = hwm.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

int playGame()
{
    QTemporaryDir dir;
    WindowServices services;
    services.dataDir = dir.path();
    frmZentile window(std::move(services));
    if (!showExposed(window))
        return 1;
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdStart")), Qt::LeftButton);
    // A word picked and entered, so the list and the labels have drawn something.
    for (const int tile : {0, 1, 2, 22}) {
        QTest::mouseClick(window.findChild<QLabel *>(QStringLiteral("l(%1)").arg(tile)), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdEnter")), Qt::LeftButton);
    for (int tick = 0; tick < 5; ++tick) {
        window.game().tick();
        QCoreApplication::processEvents();
    }
    // Played for real: the word is listed and the game still runs.
    const bool played = window.findChild<QListWidget *>(QStringLiteral("lstWords"))->count() == 1 && window.game().model.ticking();
    return played ? 0 : 1;
}

int showBare()
{
    QMainWindow window;
    auto *client = new QWidget(&window);
    client->setFixedSize(599, 534);
    window.setCentralWidget(client);
    return showExposed(window) ? 0 : 1;
}

// Runs this program in `mode` and reads the peak it reports; -1 on failure.
double childPeakMiB(const QString &mode)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {mode});
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        std::fprintf(stderr, "peak_memory %s failed:\n%s\n", qPrintable(mode), child.readAllStandardError().constData());
        return -1;
    }
    bool ok = false;
    const long long kib = child.readAllStandardOutput().trimmed().toLongLong(&ok);
    return ok && kib > 0 ? kib / 1024.0 : -1;
}

} // namespace

int main(int argc, char **argv)
{
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == QLatin1String("game") || mode == QLatin1String("bare")) {
        QApplication app(argc, argv);
        quietSizeHintNotes();
        const int result = mode == QLatin1String("game") ? playGame() : showBare();
        if (result != 0)
            return result;
        std::printf("%lld\n", peakKiB());
        return 0;
    }

    QCoreApplication app(argc, argv);
    const double bare = childPeakMiB(QStringLiteral("bare"));
    const double game = childPeakMiB(QStringLiteral("game"));
    if (bare <= 0 || game <= 0) {
        std::fprintf(stderr, "peak_memory: a measuring run failed\n");
        return 1;
    }
    std::printf("PEAK bare QMainWindow %.1f MiB\n", bare);
    std::printf("PEAK game in progress %.1f MiB\n", game);
    std::printf("PEAK ratio %.2f\n", game / bare);
    return 0;
}
