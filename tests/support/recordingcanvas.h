// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "toolkit/canvas.h"

#include <QStringList>
#include <functional>
#include <ostream>

namespace tallyfox {

namespace test {

inline QString recordedColour(QRgb rgb)
{
    return QString::number(rgb & 0xFFFFFF, 16).rightJustified(6, u'0');
}

inline QString recordedPoint(QPoint p)
{
    return QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
}

// A canvas that writes every drawing call down as a line of text. Texts are 10 pixels wide a character and 20
// high.
class RecordingCanvas : public Canvas
{
public:
    void setPen(int width, QRgb rgb) override
    {
        calls << QStringLiteral("pen %1 %2").arg(width).arg(recordedColour(rgb));
    }
    void line(QPoint from, QPoint to) override
    {
        calls << QStringLiteral("line %1 %2").arg(recordedPoint(from), recordedPoint(to));
        if (onDraw)
            onDraw();
    }
    void polyline(const QList<QPoint>& points) override
    {
        QStringList texts;
        for (QPoint p : points)
            texts << recordedPoint(p);
        calls << QStringLiteral("poly ") + texts.join(u' ');
    }
    void fill(const QRect& area, QRgb rgb) override
    {
        calls << QStringLiteral("fill %1,%2 %3x%4 %5")
                     .arg(area.x())
                     .arg(area.y())
                     .arg(area.width())
                     .arg(area.height())
                     .arg(recordedColour(rgb));
    }
    void setFontHeight(int pixels, bool bold = false) override
    {
        calls << (bold ? QStringLiteral("font %1 bold") : QStringLiteral("font %1")).arg(pixels);
    }
    int textWidth(const QString& text) const override { return 10 * static_cast<int>(text.size()); }
    int textHeight() const override { return 20; }
    void text(QPoint topLeft, const QString& text) override
    {
        calls << QStringLiteral("text %1 %2").arg(recordedPoint(topLeft), text);
    }
    void textCentred(const QRect& area, const QString& text) override
    {
        calls << QStringLiteral("centred %1,%2 %3x%4 %5")
                     .arg(area.x())
                     .arg(area.y())
                     .arg(area.width())
                     .arg(area.height())
                     .arg(text);
    }

    // The calls that start with a word, in order.
    [[nodiscard]] QStringList only(const QString& word) const
    {
        QStringList found;
        for (const QString& call : calls) {
            if (call.startsWith(word + u' '))
                found << call;
        }
        return found;
    }
    // The pen set last before the call that is exactly that text.
    [[nodiscard]] QString penBefore(const QString& call) const
    {
        QString pen;
        for (const QString& each : calls) {
            if (each == call)
                return pen;
            if (each.startsWith(u"pen "))
                pen = each;
        }
        return QStringLiteral("(not drawn)");
    }

    QStringList calls;
    std::function<void()> onDraw;
};

} // namespace test
} // namespace tallyfox
