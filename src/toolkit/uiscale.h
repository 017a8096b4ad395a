#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QScreen;

namespace tallyfox {

// Forms are laid out in device-independent pixels for a 240-pixel-wide portrait screen; one factor for the
// whole program turns them into screen pixels, so the window is comfortable on a desktop and on a phone.
// The program chooses it once and hands it to every form and control that measures in pixels.
class UiScale
{
public:
    static constexpr double kMinimum = 1.0;
    static constexpr double kMaximum = 6.0;

    UiScale() = default;
    // A factor outside the range, or not a number, is brought into it.
    explicit UiScale(double factor);
    // A factor that fits a 240 × 320 window comfortably on the screen, in quarter steps from 1.
    [[nodiscard]] static UiScale fitting(const QScreen* screen);

    [[nodiscard]] double factor() const { return m_factor; }

    [[nodiscard]] int px(int dips) const;
    [[nodiscard]] QRect rect(int x, int y, int width, int height) const;
    [[nodiscard]] QSize size(int width, int height) const;
    // Screen pixels back to device-independent pixels, for taps.
    [[nodiscard]] QPoint toDips(QPoint pixels) const;

    friend bool operator==(const UiScale&, const UiScale&) = default;

private:
    double m_factor = kMinimum;
};

} // namespace tallyfox
