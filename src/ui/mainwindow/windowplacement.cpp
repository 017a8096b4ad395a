// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/mainwindow/windowplacement.h"

#include "platform/registry.h"
#include "toolkit/screenfit.h"

#include <QScreen>
#include <QWidget>
#include <cmath>

namespace tallyfox::windowplacement {

namespace {

const auto kWindowKey = QStringLiteral("Software\\Tallyfox\\Window");
const auto kLeft = QStringLiteral("Left");
const auto kTop = QStringLiteral("Top");
const auto kWidth = QStringLiteral("Width");
const auto kHeight = QStringLiteral("Height");

bool onPhone(const QScreen& screen)
{
    return screenfit::isPhoneSized(screenfit::unscaled(screen.geometry().size()));
}

std::optional<int> number(const RegistryKey& key, QStringView name)
{
    const std::optional<RegistryValue> value = key.value(name);
    if (!value || value->kind != RegistryValueKind::Number)
        return std::nullopt;
    // Positions left of or above the primary screen are stored as two's complement.
    return static_cast<int>(static_cast<qint32>(value->number));
}

// The stored place, in scaled pixels, if it is whole and still shows on the screen.
std::optional<QRect> storedGeometry(Registry& registry, double scale, const QRect& available)
{
    const RegistryKey key = registry.open(kWindowKey);
    const auto left = number(key, kLeft), top = number(key, kTop);
    const auto width = number(key, kWidth), height = number(key, kHeight);
    if (!left || !top || !width || !height)
        return std::nullopt;
    const QRect geometry(int(std::lround(*left / scale)), int(std::lround(*top / scale)),
                         int(std::lround(*width / scale)), int(std::lround(*height / scale)));
    const QRect visible = geometry.intersected(available);
    // A window of which less than a title bar's worth would show is put back in the middle.
    if (geometry.width() < 120 || geometry.height() < 80 || visible.width() < 60 || visible.height() < 40)
        return std::nullopt;
    return geometry;
}

} // namespace

void show(QWidget& window, Registry& registry)
{
    const QScreen* screen = window.screen();
    if (!screen) {
        window.show();
        return;
    }
    const QRect available = screen->availableGeometry();
    if (onPhone(*screen)) {
        window.setGeometry(available);
        window.showMaximized();
        return;
    }
    const double scale = screenfit::scaleInEffect();
    window.setGeometry(
        storedGeometry(registry, scale, available).value_or(screenfit::desktopWindowGeometry(available)));
    window.show();
}

FileResult save(const QWidget& window, Registry& registry)
{
    const QScreen* screen = window.screen();
    if (!screen || onPhone(*screen))
        return {};
    const double scale = screenfit::scaleInEffect();
    const QRect geometry = window.normalGeometry();
    const auto pixels = [scale](int scaled) {
        return static_cast<quint32>(static_cast<qint32>(std::lround(scaled * scale)));
    };
    RegistryKey key = registry.openOrCreate(kWindowKey);
    key.setNumber(kLeft, pixels(geometry.x()));
    key.setNumber(kTop, pixels(geometry.y()));
    key.setNumber(kWidth, pixels(geometry.width()));
    key.setNumber(kHeight, pixels(geometry.height()));
    return key.close();
}

} // namespace tallyfox::windowplacement
