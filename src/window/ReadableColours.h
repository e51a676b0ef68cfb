// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointer>

class BoardSurface;
class QWidget;

// Colours the board and the frames from the window's palette so that every letter and label
// can be read (4.5:1) and the marks that show state can be seen (3:1), in light, dark or high
// contrast palettes; worked out again whenever the palette changes.
class ReadableColours : public QObject
{
    Q_OBJECT

public:
    static constexpr double TextRatio = 4.5;
    static constexpr double MarkRatio = 3.0;

    ReadableColours(QWidget *window, BoardSurface *board, const QList<QWidget *> &frames);

    // WCAG contrast ratio of two opaque colours, 1 to 21.
    static double contrast(const QColor &a, const QColor &b);
    // `seed` itself if it reaches `ratio` against every one of `grounds`, else the shade of it
    // (same hue and saturation) nearest in lightness that does; black or white if none does.
    static QColor readableShade(const QColor &seed, const QList<QColor> &grounds, double ratio);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply();

    QWidget *m_window;
    QPointer<BoardSurface> m_board;
    QList<QPointer<QWidget>> m_frames;
    bool m_pending = false;
};
