// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/overview/chartpicture.h"

#include "ui/overview/chartbuilder.h"

#include <QApplication>
#include <QBuffer>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPainter>
#include <QSvgGenerator>
#include <memory>

namespace tallyfox::chartpicture {

namespace {

void paint(QGraphicsScene& scene, const QRectF& area, QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    scene.render(&painter, QRectF(QPointF(0, 0), area.size()), area, Qt::IgnoreAspectRatio);
}

} // namespace

QImage image(QGraphicsScene& scene, const QRectF& area)
{
    QImage picture(area.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(scene.backgroundBrush().style() == Qt::NoBrush ? QColor(Qt::white)
                                                                : scene.backgroundBrush().color());
    QPainter painter(&picture);
    paint(scene, area, painter);
    painter.end();
    return picture;
}

QByteArray encoded(QGraphicsScene& scene, const QRectF& area, ChartImageFormat format, const QString& title)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (format == ChartImageFormat::Png) {
        if (!image(scene, area).save(&buffer, "PNG"))
            return {};
        return buffer.buffer();
    }
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(area.size().toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), area.size()));
    svg.setTitle(title.isEmpty() ? QStringLiteral("Tallyfox chart") : title);
    QPainter painter;
    if (!painter.begin(&svg))
        return {};
    paint(scene, area, painter);
    painter.end();
    return buffer.buffer();
}

QByteArray draw(const ChartImageRequest& request)
{
    const ChartLook look = ChartLook::of(QApplication::palette());
    QGraphicsScene scene;
    QChart* chart = request.kind == ChartKind::Months
                        ? chartbuilder::monthsChart(request.months, look, request.title)
                        : chartbuilder::sharesChart(request.shares, look, request.title);
    scene.addItem(chart);
    scene.setBackgroundBrush(look.background);
    chart->resize(request.size);
    // The chart lays out its axes and legend when the layout's events are handled.
    chart->layout()->activate();
    QCoreApplication::processEvents();
    return encoded(scene, QRectF(QPointF(0, 0), request.size), request.format, request.title);
}

std::optional<ChartImageFormat> formatOfFileName(const QString& fileName)
{
    if (fileName.endsWith(u".png", Qt::CaseInsensitive))
        return ChartImageFormat::Png;
    if (fileName.endsWith(u".svg", Qt::CaseInsensitive))
        return ChartImageFormat::Svg;
    return std::nullopt;
}

} // namespace tallyfox::chartpicture
