#include "toolkit/uiscale.h"

#include <QScreen>
#include <algorithm>
#include <cmath>

namespace tallyfox {

UiScale::UiScale(double factor)
    : m_factor(std::isfinite(factor) ? std::clamp(factor, kMinimum, kMaximum) : kMinimum)
{}

UiScale UiScale::fitting(const QScreen* screen)
{
    if (!screen)
        return UiScale();
    const QRect available = screen->availableGeometry();
    // The window takes the full width of a phone, and most of the height of a desktop screen.
    const double byWidth = available.width() / 240.0;
    const double byHeight = available.height() * 0.8 / 320.0;
    return UiScale(std::floor(std::min(byWidth, byHeight) * 4.0) / 4.0);
}

int UiScale::px(int dips) const
{
    return static_cast<int>(std::lround(dips * m_factor));
}

QRect UiScale::rect(int x, int y, int width, int height) const
{
    return QRect(px(x), px(y), px(width), px(height));
}

QSize UiScale::size(int width, int height) const
{
    return QSize(px(width), px(height));
}

QPoint UiScale::toDips(QPoint pixels) const
{
    return QPoint(static_cast<int>(std::floor(pixels.x() / m_factor)),
                  static_cast<int>(std::floor(pixels.y() / m_factor)));
}

} // namespace tallyfox
