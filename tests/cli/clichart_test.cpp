// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// tallyfox-cli chart on a household in three currencies: every kind drawn into a PNG of the size asked for
// or an SVG, without a display, and the command lines it refuses.
#include "clisandbox.h"

#include <QFile>
#include <QSize>
#include <QtEndian>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::CliRun;
using test::CliSandbox;
using test::readFileBytes;
using test::testDataPath;
using test::writeFileBytes;

class CliChart : public ::testing::Test
{
protected:
    void SetUp() override
    {
        sandbox.writeDefaults("EUR=Primary\r\nUS$=1.25\r\nGBP=0.8\r\n");
        writeFileBytes(database, readFileBytes(testDataPath(QStringLiteral("cli/household.tfx"))));
        // No display: the chart is drawn on the offscreen platform whatever the environment says.
        sandbox.environment.remove(QStringLiteral("DISPLAY"));
        sandbox.environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    }
    CliRun chart(const QStringList& arguments) const
    {
        return sandbox.run(QStringList{QStringLiteral("-f"), database, QStringLiteral("chart")} + arguments);
    }

    CliSandbox sandbox;
    const QString database = sandbox.file(QStringLiteral("household.tfx"));
};

// A PNG's width and height, from its header chunk.
QSize pngSize(const QByteArray& bytes)
{
    if (!bytes.startsWith("\x89PNG\r\n\x1a\n") || bytes.size() < 24)
        return {};
    return QSize(qFromBigEndian<qint32>(bytes.constData() + 16),
                 qFromBigEndian<qint32>(bytes.constData() + 20));
}

TEST_F(CliChart, DrawsEveryKindIntoAPictureOfTheSizeAskedFor)
{
    const QByteArray before = readFileBytes(database);
    const struct
    {
        const char* kind;
        QStringList options;
        QSize size;
    } cases[] = {
        {"months", {}, {480, 360}},
        {"types", {"--mode", "1", "--size", "320x240"}, {320, 240}},
        {"sources", {"--currency", "2", "--from", "2009-01", "--to", "2010-12-31"}, {480, 360}},
        {"methods", {"--mode", "2", "--size", "240x320"}, {240, 320}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        const QString out = sandbox.file(QString::fromLatin1(c.kind) + QStringLiteral(".png"));
        const CliRun run =
            chart(QStringList{QString::fromLatin1(c.kind), QStringLiteral("--out"), out} + c.options);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        // Only the tool's own messages (the first run's welcome), none of the platform's.
        for (const QByteArray& line : run.errLines())
            EXPECT_TRUE(line.startsWith("tallyfox-cli: ")) << line.toStdString();
        EXPECT_EQ(pngSize(readFileBytes(out)), c.size);
    }
    const QString svg = sandbox.file(QStringLiteral("months.svg"));
    ASSERT_EQ(chart({QStringLiteral("months"), QStringLiteral("--out"), svg}).exitCode, 0);
    const QByteArray text = readFileBytes(svg);
    EXPECT_TRUE(text.contains("<svg")) << text.left(200).toStdString();
    EXPECT_TRUE(text.contains("<title>Months")) << text.left(400).toStdString();
    EXPECT_EQ(readFileBytes(database), before);
}

TEST_F(CliChart, RefusesWhatItCannotDraw)
{
    const QString out = sandbox.file(QStringLiteral("c.png"));
    const struct
    {
        QStringList arguments;
        const char* message;
    } cases[] = {
        {{"weeks", "--out", out}, "unknown chart: weeks"},
        {{"months"}, "chart needs --out FILE.png or FILE.svg"},
        {{"months", "--out", sandbox.file(QStringLiteral("c.jpg"))}, "--out must name a .png or .svg file"},
        {{"months", "--out", out, "--size", "10x10"}, "--size must be WxH"},
        {{"months", "--out", out, "--from", "2010-05", "--to", "2010-04"}, "--from must not be after --to"},
        {{"months", "--out", out, "--from", "May"}, "--from must be a month as YYYY-MM"},
        {{"months", "--out", out, "--currency", "9"}, "--currency must be from 0 to 3 here"},
        {{"months", "--out", out, "--sort", "date"}, "--sort is not an option of chart"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const CliRun run = chart(c.arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_TRUE(sandbox.run({QStringLiteral("--help")}).out.contains("chart months|types|sources|methods"));
}

} // namespace
} // namespace tallyfox
