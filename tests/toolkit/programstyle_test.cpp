// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The program's style over the one the user chose for Qt programs, and Fusion where the user chose none.
#include "toolkit/programfont.h"
#include "toolkit/programstyle.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

TEST(ProgramStyle, TakesTheStyleTheUserChoseByOptionOrEnvironment)
{
    const struct
    {
        QStringList arguments;
        QString styleOverride;
        QString chosen;
    } cases[] = {
        {{}, {}, {}},
        {{QStringLiteral("-f"), QStringLiteral("mine.tfx")}, {}, {}},
        {{}, QStringLiteral("windows"), QStringLiteral("windows")},
        {{QStringLiteral("-style"), QStringLiteral("windows")}, {}, QStringLiteral("windows")},
        {{QStringLiteral("--style=windows")}, QStringLiteral("fusion"), QStringLiteral("windows")},
        {{QStringLiteral("-style=fusion"), QStringLiteral("-style"), QStringLiteral("windows")},
         {},
         QStringLiteral("windows")},
        // A "-style" with nothing after it names nothing.
        {{QStringLiteral("-style")}, QStringLiteral("windows"), QStringLiteral("windows")},
        {{QStringLiteral("-styles")}, {}, {}},
    };
    for (const auto& [arguments, styleOverride, chosen] : cases) {
        SCOPED_TRACE(arguments.join(u' ').toStdString() + " / " + styleOverride.toStdString());
        EXPECT_EQ(ProgramStyle::chosenStyle(arguments, styleOverride), chosen);
    }
}

TEST(ProgramStyle, KeepsTheChosenStyleAndFaceAndElseIsFusionInTheProgramsFace)
{
    const QFont usersFace = QApplication::font();
    ProgramStyle::install(ProgramStyle::chosenStyle({}, QStringLiteral("windows")));
    auto* style = qobject_cast<ProgramStyle*>(QApplication::style());
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->baseStyle()->name(), u"windows");
    EXPECT_EQ(QApplication::font().family(), usersFace.family());
    EXPECT_EQ(QApplication::font().pixelSize(), programfont::kTextPixelSize);
    // The finger-sized rows hold over the chosen style too.
    EXPECT_EQ(style->pixelMetric(QStyle::PM_HeaderMargin), 1);

    ProgramStyle::install(ProgramStyle::chosenStyle({}, {}));
    style = qobject_cast<ProgramStyle*>(QApplication::style());
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->baseStyle()->name(), u"fusion");
    EXPECT_EQ(QApplication::font(), programfont::font());
}

} // namespace
} // namespace tallyfox
