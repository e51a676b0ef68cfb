// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QList>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

// One operation under measurement and the times of its runs, in nanoseconds.
struct Timed
{
    const char *name;
    std::function<void()> run;
    QList<qint64> samples;

    double medianMs() const
    {
        QList<qint64> sorted = samples;
        std::sort(sorted.begin(), sorted.end());
        const qsizetype n = sorted.size();
        if (n == 0)
            return 0.0;
        const double middle = n % 2 ? double(sorted[n / 2]) : (sorted[n / 2 - 1] + sorted[n / 2]) / 2.0;
        return middle / 1e6;
    }
};

// Runs the operations in turn, round after round, until each has `minRounds` runs and
// `budgetMs` have passed (or `maxRounds`). Taking turns means a busy moment on the shared
// machine hits floor and subject alike, and the median shrugs off the odd slow run.
// `settle` runs untimed after every timed run, to let the window catch up.
inline void timeInTurn(std::vector<Timed *> ops, int minRounds, int maxRounds, qint64 budgetMs,
                       const std::function<void()> &settle = {})
{
    const QDeadlineTimer budget(budgetMs);
    for (int round = 0; round < maxRounds && (round < minRounds || !budget.hasExpired()); ++round) {
        // Each round starts with a different one, so none always runs on a warm cache.
        for (std::size_t k = 0; k < ops.size(); ++k) {
            Timed *op = ops[(round + k) % ops.size()];
            QElapsedTimer timer;
            timer.start();
            op->run();
            op->samples.append(timer.nsecsElapsed());
            if (settle)
                settle();
        }
    }
}

// Prints "RATIO <name> <ratio> (target <= <target>)" with the two medians behind it.
inline double printRatio(const char *name, const Timed &subject, const Timed &floor, double target)
{
    const double ratio = subject.medianMs() / floor.medianMs();
    std::printf("RATIO %s %.2f (target <= %.1f) %s: %s %.3f ms, %s %.3f ms, median of %lld runs\n", name, ratio,
                target, ratio <= target ? "met" : "MISSED", subject.name, subject.medianMs(), floor.name,
                floor.medianMs(), static_cast<long long>(subject.samples.size()));
    std::fflush(stdout);
    return ratio;
}
