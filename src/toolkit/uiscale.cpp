#include "toolkit/uiscale.h"

#include <QScreen>
#include <algorithm>
#include <cmath>

namespace tallyfox {

namespace {
double g_factor = 1.0;
} // namespace

double UiScale::factor()
{
    return g_factor;
}

void UiScale::setFactor(double factor)
{
    g_factor = std::isfinite(factor) ? std::clamp(factor, kMinimum, kMaximum) : kMinimum;
}

double UiScale::fitting(const QScreen* screen)
{
    if (!screen)
        return kMinimum;
    const QRect available = screen->availableGeometry();
    // The window takes the full width of a phone, and most of the height of a desktop screen.
    const double byWidth = available.width() / 240.0;
    const double byHeight = available.height() * 0.8 / 320.0;
    const double fit = std::floor(std::min(byWidth, byHeight) * 4.0) / 4.0;
    return std::clamp(fit, kMinimum, kMaximum);
}

int UiScale::px(int dips)
{
    return static_cast<int>(std::lround(dips * g_factor));
}

QRect UiScale::rect(int x, int y, int width, int height)
{
    return QRect(px(x), px(y), px(width), px(height));
}

QSize UiScale::size(int width, int height)
{
    return QSize(px(width), px(height));
}

QPoint UiScale::toDips(QPoint pixels)
{
    return QPoint(static_cast<int>(std::floor(pixels.x() / g_factor)),
                  static_cast<int>(std::floor(pixels.y() / g_factor)));
}

} // namespace tallyfox
