// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/programarguments.h"

#include <gtest/gtest.h>

namespace tallyfox {
namespace {

struct ArgumentsCase
{
    const char* name;
    QStringList parameters;
    const char* file;
    const char* folder;
    bool quickEntryOnStart;
    bool quickEntryOnly;
};

class ProgramArgumentsTable : public ::testing::TestWithParam<ArgumentsCase>
{};

TEST_P(ProgramArgumentsTable, SwitchesCollectAndSetTheirModes)
{
    const ArgumentsCase& c = GetParam();
    const ProgramArguments arguments = parseProgramArguments(c.parameters);
    EXPECT_EQ(arguments.hasParameters, !c.parameters.isEmpty());
    EXPECT_EQ(arguments.fileArgument.toStdString(), c.file);
    EXPECT_EQ(arguments.folderArgument.toStdString(), c.folder);
    EXPECT_EQ(arguments.quickEntryOnStart, c.quickEntryOnStart);
    EXPECT_EQ(arguments.quickEntryOnly, c.quickEntryOnly);
}

INSTANTIATE_TEST_SUITE_P(
    Switches, ProgramArgumentsTable,
    ::testing::Values(
        ArgumentsCase{"none", {}, "", "", false, false},
        ArgumentsCase{
            "quotedFile", {"-f", "/My Documents/my data.tfx"}, "/My Documents/my data.tfx", "", false, false},
        // An unquoted path arrives in words, which are joined with single spaces.
        ArgumentsCase{"fileInWords",
                      {"-f", "/My", "Documents/my", "data.tfx"},
                      "/My Documents/my data.tfx",
                      "",
                      false,
                      false},
        ArgumentsCase{
            "upperCaseSwitches", {"-F", "a.tfx", "-D", "/acc", "-QE"}, "a.tfx", "/acc", true, false},
        ArgumentsCase{
            "folderThenQuick", {"-d", "/Storage", "Card/acc", "-qe"}, "", "/Storage Card/acc", true, false},
        // "-qe" ends collecting: later words belong to nothing.
        ArgumentsCase{"quickEndsCollecting", {"-f", "a.tfx", "-qe", "b.tfx"}, "a.tfx", "", true, false},
        ArgumentsCase{"onlyOneEntry", {"-sqe"}, "", "", true, true},
        ArgumentsCase{"onlyOneEntryUpperCase", {"-SQE", "-d", "x"}, "", "x", true, true},
        // Words before any switch are ignored; a repeated switch goes on collecting.
        ArgumentsCase{"strayWords", {"hello", "-f", "a", "-d", "b", "-f", "c"}, "a c", "b", false, false},
        // Only A-Z are folded: the dotless capital I of some alphabets does not turn a word into a switch.
        ArgumentsCase{"onlyAsciiFolded", {"-f", "x", "-\u0130\u0130"}, "x -\u0130\u0130", "", false, false},
        // Leading and trailing white space of the collected texts is trimmed, inner white space kept.
        ArgumentsCase{"trimmed", {"-f", "  a  b  "}, "a  b", "", false, false},
        ArgumentsCase{"switchWithoutWords", {"-f"}, "", "", false, false}),
    [](const ::testing::TestParamInfo<ArgumentsCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tallyfox
