// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

namespace tallyfox {

class Canvas;

// What a box that shows a number tells assistive tools: the number, its limits, the step of one Up or
// Down key and the text as shown.
struct PresentedValue
{
    double value = 0.0;
    double minimum = 0.0;
    double maximum = 0.0;
    double step = 1.0;
    QString text;
};

// A painted box: the owner draws on a canvas in device-independent pixels and gets taps in the same units.
class PaintBox : public QWidget
{
    Q_OBJECT

public:
    using PaintHandler = std::function<void(Canvas& canvas, int width, int height)>;
    using TapHandler = std::function<void(int x, int y, int width, int height)>;
    using ValueHandler = std::function<PresentedValue()>;

    explicit PaintBox(QWidget* parent = nullptr);

    void setPaintHandler(PaintHandler handler) { m_paint = std::move(handler); }
    void setTapHandler(TapHandler handler) { m_tap = std::move(handler); }
    // A box given a value handler presents its number to assistive tools, which step it with the Up and
    // Down keys the box takes.
    void setValueHandler(ValueHandler handler) { m_value = std::move(handler); }
    [[nodiscard]] std::optional<PresentedValue> presentedValue() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    PaintHandler m_paint;
    TapHandler m_tap;
    ValueHandler m_value;
};

} // namespace tallyfox
