// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "app/programinfo.h"
#include "app/programoptions.h"

#include <gtest/gtest.h>

namespace tallyfox {
namespace {

struct OptionsCase
{
    QStringList arguments;
    std::optional<ProgramInfo> info;
    std::optional<double> scale;
    QStringList parameters;
};

TEST(ProgramOptions, HelpAndVersionCountWhereTheSwitchesWouldIgnoreThem)
{
    const OptionsCase cases[] = {
        {{}, std::nullopt, std::nullopt, {}},
        {{"--help"}, ProgramInfo::Help, std::nullopt, {}},
        {{"-h"}, ProgramInfo::Help, std::nullopt, {}},
        {{"--version"}, ProgramInfo::Version, std::nullopt, {}},
        {{"--version", "--help"}, ProgramInfo::Version, std::nullopt, {}},
        {{"-qe", "--help"}, ProgramInfo::Help, std::nullopt, {"-qe"}},
        {{"--scale", "2", "--version"}, ProgramInfo::Version, 2.0, {}},
        // Words of a name after -f or -d, up to the next switch, whatever the case of its letters.
        {{"-f", "--help"}, std::nullopt, std::nullopt, {"-f", "--help"}},
        {{"-D", "my", "-h"}, std::nullopt, std::nullopt, {"-D", "my", "-h"}},
        {{"-f", "a.tfx", "-SQE", "-h"}, ProgramInfo::Help, std::nullopt, {"-f", "a.tfx", "-SQE"}},
        // Only these spellings: the rest is left to the switches, which ignore it.
        {{"--HELP", "-H", "-v", "--version=1"},
         std::nullopt,
         std::nullopt,
         {"--HELP", "-H", "-v", "--version=1"}},
        {{"--scale=3", "-f", "x", "--scale", "2"}, std::nullopt, 2.0, {"-f", "x"}},
        {{"--scale", "big", "-qe"}, std::nullopt, std::nullopt, {"-qe"}},
    };
    for (const OptionsCase& testCase : cases) {
        const ProgramOptions options = parseProgramOptions(testCase.arguments);
        EXPECT_EQ(options.info, testCase.info) << testCase.arguments.join(u' ').toStdString();
        EXPECT_EQ(options.scale, testCase.scale) << testCase.arguments.join(u' ').toStdString();
        EXPECT_EQ(options.parameters, testCase.parameters) << testCase.arguments.join(u' ').toStdString();
    }
}

TEST(ProgramInfo, TheVersionNamesTheLicenceAndTheHelpEverySwitch)
{
    const QString version = programInfoText(ProgramInfo::Version);
    EXPECT_TRUE(version.startsWith(QStringLiteral("tallyfox " TALLYFOX_VERSION "\n")));
    EXPECT_TRUE(version.contains(u"GPL-3.0-or-later"));
    const QString help = programInfoText(ProgramInfo::Help);
    for (const char* option : {"-f FILE", "-d FOLDER", "-qe", "-sqe", "--scale", "-h, --help", "--version"})
        EXPECT_TRUE(help.contains(QString::fromLatin1(option))) << option;
}

} // namespace
} // namespace tallyfox
