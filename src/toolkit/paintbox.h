#pragma once

#include <QWidget>
#include <functional>

namespace tallyfox {

class Canvas;

// A painted box: the owner draws on a canvas in device-independent pixels and gets taps in the same units.
class PaintBox : public QWidget
{
    Q_OBJECT

public:
    using PaintHandler = std::function<void(Canvas& canvas, int width, int height)>;
    using TapHandler = std::function<void(int x, int y, int width, int height)>;

    explicit PaintBox(QWidget* parent = nullptr);

    void setPaintHandler(PaintHandler handler) { m_paint = std::move(handler); }
    void setTapHandler(TapHandler handler) { m_tap = std::move(handler); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    PaintHandler m_paint;
    TapHandler m_tap;
};

} // namespace tallyfox
