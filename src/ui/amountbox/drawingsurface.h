#pragma once

#include "toolkit/canvas.h"

#include <QColor>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

namespace tallyfox {

// The drawing calls a painted box makes, behind an interface so that its painting can be checked by
// recording them instead of looking at pixels.
class DrawingSurface
{
public:
    virtual ~DrawingSurface() = default;

    virtual void setPen(int width, QRgb colour) = 0;
    virtual void line(QPoint from, QPoint to) = 0;
    virtual void polyline(const QList<QPoint>& points) = 0;
    virtual void fill(const QRect& area, QRgb colour) = 0;
    virtual void setFontHeight(int pixels) = 0;
    [[nodiscard]] virtual int textWidth(const QString& text) const = 0;
    [[nodiscard]] virtual int textHeight() const = 0;
    // Text with its top-left corner at a point, on a transparent background.
    virtual void text(QPoint topLeft, const QString& text) = 0;
};

// The surface of a real paint: every call goes to the canvas of the paint event.
class CanvasSurface : public DrawingSurface
{
public:
    explicit CanvasSurface(Canvas& canvas) : m_canvas(canvas) {}

    void setPen(int width, QRgb colour) override { m_canvas.setPen(width, colour); }
    void line(QPoint from, QPoint to) override { m_canvas.line(from, to); }
    void polyline(const QList<QPoint>& points) override
    {
        for (qsizetype i = 1; i < points.size(); ++i)
            m_canvas.line(points[i - 1], points[i]);
    }
    void fill(const QRect& area, QRgb colour) override { m_canvas.fill(area, colour); }
    void setFontHeight(int pixels) override { m_canvas.setFontHeight(pixels); }
    [[nodiscard]] int textWidth(const QString& text) const override { return m_canvas.textWidth(text); }
    [[nodiscard]] int textHeight() const override { return m_canvas.textHeight(); }
    void text(QPoint topLeft, const QString& text) override { m_canvas.text(topLeft, text); }

private:
    Canvas& m_canvas;
};

} // namespace tallyfox
