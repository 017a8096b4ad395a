#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QScreen;

namespace tallyfox {

// Forms are laid out in device-independent pixels for a 240-pixel-wide portrait screen; one factor for the
// whole program turns them into screen pixels, so the window is comfortable on a desktop and on a phone.
class UiScale
{
public:
    [[nodiscard]] static double factor();
    static void setFactor(double factor);
    // A factor that fits a 240 × 320 window comfortably on the screen, in quarter steps from 1.
    [[nodiscard]] static double fitting(const QScreen* screen);

    [[nodiscard]] static int px(int dips);
    [[nodiscard]] static QRect rect(int x, int y, int width, int height);
    [[nodiscard]] static QSize size(int width, int height);
    // Screen pixels back to device-independent pixels, for taps.
    [[nodiscard]] static QPoint toDips(QPoint pixels);

    static constexpr double kMinimum = 1.0;
    static constexpr double kMaximum = 6.0;
};

} // namespace tallyfox
