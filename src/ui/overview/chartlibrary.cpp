// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The chart library that tallyfox-cli loads for its chart command: the application object that drawing
// needs, on the offscreen platform, and the chart drawn into a picture file's bytes.
#include "money/chartimage.h"
#include "toolkit/programstyle.h"
#include "ui/overview/chartpicture.h"

#include <QApplication>

namespace {

// The platform's remarks while it starts (no runtime folder on a server, and the like) are not the
// command's to tell.
void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

extern "C" {

__attribute__((visibility("default"))) QCoreApplication* tallyfoxCreateChartApplication(int& argc,
                                                                                        char** argv)
{
    // No display is needed nor used, and a picture's size is its pixels, whatever the desktop's scale.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_SCALE_FACTOR");
    const QtMessageHandler previous = qInstallMessageHandler(quiet);
    auto* application = new QApplication(argc, argv);
    tallyfox::ProgramStyle::install();
    qInstallMessageHandler(previous);
    return application;
}

__attribute__((visibility("default"))) QByteArray
tallyfoxDrawChartImage(const tallyfox::ChartImageRequest& request)
{
    return tallyfox::chartpicture::draw(request);
}
}

// The library's functions have the types the command line calls them by.
static_assert(
    std::is_same_v<decltype(&tallyfoxCreateChartApplication), tallyfox::chartlibrary::CreateApplication>);
static_assert(std::is_same_v<decltype(&tallyfoxDrawChartImage), tallyfox::chartlibrary::DrawImage>);
