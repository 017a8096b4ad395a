// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "money/chartseries.h"

#include <QByteArray>
#include <QSize>
#include <QString>

class QCoreApplication;

namespace tallyfox {

enum class ChartImageFormat
{
    Png,
    Svg,
};

// A chart to draw into a picture file's bytes: the series of its kind, a title and the picture's size in
// pixels.
struct ChartImageRequest
{
    ChartKind kind = ChartKind::Months;
    MonthSeries months;
    ShareSeries shares;
    QString title;
    QSize size{480, 360};
    ChartImageFormat format = ChartImageFormat::Png;
};

// The charts' drawing code lies in a library of its own, which tallyfox-cli loads for its chart command
// alone, so that no other command loads the widget libraries it needs. These are its two functions.
namespace chartlibrary {

// The library's file, libtallyfox-charts.so: beside the programs in the build tree, in the library
// folder's tallyfox/ once installed.
inline constexpr char kBaseName[] = "tallyfox-charts";

// Creates the application object that drawing needs (on the offscreen platform: no display is used),
// in place of the command line's own; argc and argv are kept by the caller for the application's life.
inline constexpr char kCreateApplication[] = "tallyfoxCreateChartApplication";
using CreateApplication = QCoreApplication* (*)(int& argc, char** argv);

// The picture's bytes, PNG or SVG; empty when it cannot be drawn.
inline constexpr char kDrawImage[] = "tallyfoxDrawChartImage";
using DrawImage = QByteArray (*)(const ChartImageRequest& request);

} // namespace chartlibrary

} // namespace tallyfox
