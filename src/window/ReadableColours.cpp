// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ReadableColours.h"

#include "window/BoardSurface.h"

#include <QEvent>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Relative luminance of an 8-bit channel, worked out once for all 256 values: the search for
// a readable shade weighs hundreds of colours at every start-up.
double linear(int channel)
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> values{};
        for (int i = 0; i < 256; ++i) {
            const double c = i / 255.0;
            values[i] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return values;
    }();
    return table[channel];
}

double luminance(const QColor &colour)
{
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) + 0.0722 * linear(colour.blue());
}

// The weakest contrast of `colour` against any of `grounds`.
double weakest(const QColor &colour, const QList<QColor> &grounds)
{
    double result = 21.0;
    for (const QColor &ground : grounds)
        result = std::min(result, ReadableColours::contrast(colour, ground));
    return result;
}

} // namespace

ReadableColours::ReadableColours(QWidget *window, BoardSurface *board, const QList<QWidget *> &frames)
    : QObject(window)
    , m_window(window)
    , m_board(board)
{
    for (QWidget *frame : frames)
        m_frames << QPointer<QWidget>(frame);
    apply();
    window->installEventFilter(this);
}

double ReadableColours::contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableColours::readableShade(const QColor &seed, const QList<QColor> &grounds, double ratio)
{
    const QColor opaque(seed.rgb());
    if (weakest(opaque, grounds) >= ratio)
        return opaque;
    float hue = 0;
    float saturation = 0;
    float lightness = 0;
    opaque.getHslF(&hue, &saturation, &lightness);
    // Judged as drawn, in 8-bit channels, so that rounding cannot take a shade below the ratio.
    constexpr int Steps = 512;
    for (int step = 1; step <= Steps; ++step) {
        for (const int direction : {-1, 1}) {
            const float shade = lightness + float(direction * step) / Steps;
            if (shade < 0.0F || shade > 1.0F)
                continue;
            const QColor candidate(QColor::fromHslF(hue, saturation, shade).rgb());
            if (weakest(candidate, grounds) >= ratio)
                return candidate;
        }
    }
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return weakest(black, grounds) >= weakest(white, grounds) ? black : white;
}

bool ReadableColours::eventFilter(QObject *watched, QEvent *event)
{
    const bool changed = event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange;
    if (watched == m_window && changed && !m_pending) {
        // Once the new palette has reached every widget, and once for the pair of events.
        m_pending = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_pending = false;
                apply();
            },
            Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void ReadableColours::apply()
{
    const QPalette base = m_window->palette();
    const QColor board = base.color(QPalette::Active, QPalette::Window);
    const QColor seed = base.color(QPalette::Active, QPalette::Highlight);
    // The cursor's cell is a tint of the highlight towards the board's own lightness.
    const bool darkBoard = contrast(board, Qt::white) > contrast(board, Qt::black);
    QColor cell = darkBoard ? seed.darker(170) : seed.lighter(170);
    QColor letters = readableShade(seed, {board, cell}, TextRatio);
    // A highlight too close to white or black leaves no shade readable on both: the cell gives way.
    if (contrast(letters, cell) < TextRatio) {
        letters = readableShade(seed, {board}, TextRatio);
        cell = readableShade(cell, {letters}, TextRatio);
    }

    QPalette plain = base;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        // The frames' labels go back to the window's text colour, made readable where it is not.
        const QColor text = base.color(group, QPalette::WindowText);
        plain.setColor(group, QPalette::WindowText,
                       group == QPalette::Disabled ? text : readableShade(text, {base.color(group, QPalette::Window)}, TextRatio));
    }
    if (m_board)
        m_board->setColours(letters, readableShade(seed, {board}, MarkRatio), cell);
    for (const QPointer<QWidget> &frame : std::as_const(m_frames)) {
        if (frame)
            frame->setPalette(plain);
    }
}
