// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "toolkit/screenfit.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>

namespace tallyfox::screenfit {

double boundedScale(double factor)
{
    return std::isfinite(factor) ? std::clamp(factor, kMinimumScale, kMaximumScale) : kMinimumScale;
}

bool isPhoneSized(QSize screen)
{
    return screen.width() > 0 && screen.width() < screen.height() && screen.width() <= kPhoneMaximumWidth;
}

double fittingScale(QSize screen, QSize available)
{
    if (isPhoneSized(screen))
        return boundedScale(double(screen.width()) / kLayoutWidth);
    const double byHeight = available.height() * 2.0 / 3.0 / kLayoutHeight;
    const double byWidth = double(available.width()) / kLayoutWidth;
    const double quarters = std::floor(std::min(byHeight, byWidth) * 4.0) / 4.0;
    return std::clamp(quarters, kMinimumScale, kDesktopMaximumScale);
}

double scaleInEffect()
{
    bool ok = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && std::isfinite(factor) && factor > 0 ? factor : 1.0;
}

QSize unscaled(QSize scaled)
{
    return (QSizeF(scaled) * scaleInEffect()).toSize();
}

QRect desktopWindowGeometry(QRect available)
{
    const int height = std::max(kLayoutHeight, int(std::lround(available.height() * 2.0 / 3.0)));
    // Landscape, so that most columns of the list show.
    const int width =
        std::clamp(int(std::lround(height * 1.5)), kLayoutWidth, std::max(kLayoutWidth, available.width()));
    QRect geometry(0, 0, width, height);
    geometry.moveCenter(available.center());
    return geometry;
}

} // namespace tallyfox::screenfit
