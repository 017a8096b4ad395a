// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "money/chartimage.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>

class QGraphicsScene;

namespace tallyfox {

// A chart's scene as a picture: pixels for the clipboard and PNG files, or SVG, drawn from the same
// scene as the screen shows.
namespace chartpicture {

[[nodiscard]] QImage image(QGraphicsScene& scene, const QRectF& area);
// The file's bytes in the format; empty when the picture cannot be encoded.
[[nodiscard]] QByteArray encoded(QGraphicsScene& scene, const QRectF& area, ChartImageFormat format,
                                 const QString& title);

// A whole chart drawn for a file, as tallyfox-cli chart asks, in the application's palette.
[[nodiscard]] QByteArray draw(const ChartImageRequest& request);

// The format a file name asks for by its extension (.png or .svg, any case).
[[nodiscard]] std::optional<ChartImageFormat> formatOfFileName(const QString& fileName);

} // namespace chartpicture
} // namespace tallyfox
