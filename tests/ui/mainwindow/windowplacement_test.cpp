// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/registry.h"
#include "support/testenvironment.h"
#include "toolkit/screenfit.h"
#include "ui/mainwindow/windowplacement.h"

#include <QScreen>
#include <QWidget>
#include <cmath>
#include <gtest/gtest.h>

namespace tallyfox::test {
namespace {

// The test's screen is a desktop's (landscape), at scale 1 and at scale 3.
TEST(WindowPlacement, ADesktopWindowReopensWhereItWasClosedOrElseInTheMiddle)
{
    TempFolder folder;
    Registry registry(folder.file(QStringLiteral("registry.reg")));
    QWidget first;
    windowplacement::show(first, registry);
    const QRect available = first.screen()->availableGeometry();
    ASSERT_FALSE(screenfit::isPhoneSized(screenfit::unscaled(first.screen()->geometry().size())))
        << first.screen()->geometry().width() << "x" << first.screen()->geometry().height();
    EXPECT_EQ(first.geometry(), screenfit::desktopWindowGeometry(available));

    first.setGeometry(QRect(available.topLeft() + QPoint(10, 20), QSize(150, 100)));
    ASSERT_TRUE(windowplacement::save(first, registry).ok());
    // Kept in the screen's pixels, so that another scale finds the same place.
    const auto pixels = [](int scaled) {
        return QStringLiteral("dword:%1")
            .arg(std::lround(scaled * screenfit::scaleInEffect()), 8, 16, QLatin1Char('0'));
    };
    const QString text = QString::fromUtf8(readFileBytes(registry.filePath()));
    EXPECT_TRUE(text.contains(QStringLiteral("[HKEY_LOCAL_MACHINE\\Software\\Tallyfox\\Window]")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\"Width\"=") + pixels(150))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\"Height\"=") + pixels(100))) << text.toStdString();

    QWidget second;
    windowplacement::show(second, registry);
    EXPECT_EQ(second.geometry(), first.geometry());

    // A place no longer on any screen, or a damaged one, opens in the middle again.
    for (const quint32 left : {quint32(-100000), quint32(100000)}) {
        RegistryKey key = registry.openOrCreate(QStringLiteral("Software\\Tallyfox\\Window"));
        key.setNumber(QStringLiteral("Left"), left);
        ASSERT_TRUE(key.close().ok());
        QWidget third;
        windowplacement::show(third, registry);
        EXPECT_EQ(third.geometry(), screenfit::desktopWindowGeometry(available)) << left;
    }
}

} // namespace
} // namespace tallyfox::test
