// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QColor>
#include <QFont>
#include <QList>

class QPalette;

namespace tallyfox {

// How the charts look: the program's face in two sizes, in device-independent pixels so that every scale
// shows the same chart, only larger, and colours taken from the palette, so that a dark palette gives a
// dark chart with light labels.
struct ChartLook
{
    QFont labels;
    QFont caption;
    QColor background;
    QColor text;
    QColor grid;
    QColor expenses;
    QColor income;
    QColor balance;
    // The ring's parts in turn.
    QList<QColor> parts;

    [[nodiscard]] static ChartLook of(const QPalette& palette);
};

} // namespace tallyfox
