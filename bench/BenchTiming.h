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

// The median over rounds of subject time / floor time within the round. Pairing the two
// runs of a round cancels load that comes and goes on the shared machine.
inline double pairedRatio(const Timed &subject, const Timed &floor)
{
    std::vector<double> ratios;
    for (qsizetype i = 0; i < std::min(subject.samples.size(), floor.samples.size()); ++i)
        ratios.push_back(double(subject.samples[i]) / double(std::max<qint64>(floor.samples[i], 1)));
    if (ratios.empty())
        return 0.0;
    std::sort(ratios.begin(), ratios.end());
    const std::size_t n = ratios.size();
    return n % 2 ? ratios[n / 2] : (ratios[n / 2 - 1] + ratios[n / 2]) / 2.0;
}

// Prints "RATIO <name> <ratio> (target <= <target>)", the ratio paired by round, and each side's median.
inline double printRatio(const char *name, const Timed &subject, const Timed &floor, double target)
{
    const double ratio = pairedRatio(subject, floor);
    std::printf("RATIO %s %.2f (target <= %g) %s: median over %lld rounds of each round's ratio;"
                " medians on their own: %s %.3f ms, %s %.3f ms\n",
                name, ratio, target, ratio <= target ? "met" : "MISSED", static_cast<long long>(subject.samples.size()),
                subject.name, subject.medianMs(), floor.name, floor.medianMs());
    std::fflush(stdout);
    return ratio;
}
