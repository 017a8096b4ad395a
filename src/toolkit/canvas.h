#pragma once

#include <QColor>
#include <QPainter>
#include <QPoint>
#include <QString>
#include <initializer_list>

namespace tallyfox {

// Drawing in device-independent pixels: a pen of a width and colour, lines and polylines, fills and
// centred text in the program's face with a line of a pixel height.
class Canvas
{
public:
    explicit Canvas(QPainter& painter);

    void setPen(int width, QRgb colour);
    void line(QPoint from, QPoint to);
    void polyline(std::initializer_list<QPoint> points);
    void fill(const QRect& area, QRgb colour);
    void setFontHeight(int pixels, bool bold = false);
    [[nodiscard]] int textWidth(const QString& text) const;
    [[nodiscard]] int textHeight() const;
    // Text with its top-left corner at a point, on a transparent background.
    void text(QPoint topLeft, const QString& text);
    void textCentred(const QRect& area, const QString& text);

private:
    QPainter& m_painter;
};

} // namespace tallyfox
