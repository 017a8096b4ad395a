// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QColor>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

namespace tallyfox {

// Drawing in device-independent pixels: a pen of a width and colour, lines and polylines, fills and text
// in the program's face with a line of a pixel height. Every painted control draws through it, so that
// its painting can be checked by recording the calls instead of looking at pixels.
class Canvas
{
public:
    virtual ~Canvas() = default;

    virtual void setPen(int width, QRgb colour) = 0;
    virtual void line(QPoint from, QPoint to) = 0;
    virtual void polyline(const QList<QPoint>& points) = 0;
    virtual void fill(const QRect& area, QRgb colour) = 0;
    virtual void setFontHeight(int pixels, bool bold = false) = 0;
    [[nodiscard]] virtual int textWidth(const QString& text) const = 0;
    [[nodiscard]] virtual int textHeight() const = 0;
    // Text with its top-left corner at a point, on a transparent background.
    virtual void text(QPoint topLeft, const QString& text) = 0;
    // Text centred in an area.
    virtual void textCentred(const QRect& area, const QString& text) = 0;
};

// The canvas of a real paint: every call goes to the painter of the paint event.
class PainterCanvas : public Canvas
{
public:
    explicit PainterCanvas(QPainter& painter);

    void setPen(int width, QRgb colour) override;
    void line(QPoint from, QPoint to) override;
    void polyline(const QList<QPoint>& points) override;
    void fill(const QRect& area, QRgb colour) override;
    void setFontHeight(int pixels, bool bold = false) override;
    [[nodiscard]] int textWidth(const QString& text) const override;
    [[nodiscard]] int textHeight() const override;
    void text(QPoint topLeft, const QString& text) override;
    void textCentred(const QRect& area, const QString& text) override;

private:
    QPainter& m_painter;
};

} // namespace tallyfox
