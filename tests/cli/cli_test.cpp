// tallyfox-cli as a user runs it: the real program, its output and exit codes.
#include "support/testenvironment.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::readFileBytes;
using test::TempFolder;
using test::testDataPath;
using test::writeFileBytes;

struct CliRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

CliRun runCli(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    process.setProcessEnvironment(environment);
    process.start(qEnvironmentVariable("TALLYFOX_BIN_DIR") + QStringLiteral("/tallyfox-cli"), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

class Cli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        writeFileBytes(database, readFileBytes(testDataPath(QStringLiteral("database/mixed.tfx"))));
    }
    TempFolder folder;
    const QString database = folder.file(QStringLiteral("mine.tfx"));
};

TEST_F(Cli, ListPrintsTheListCellsOfEveryEntryAndLeavesTheFileAlone)
{
    const QByteArray before = readFileBytes(database);
    const CliRun run = runCli({QStringLiteral("-f"), database, QStringLiteral("list")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, QByteArray());
    EXPECT_EQ(run.out, readFileBytes(testDataPath(QStringLiteral("cli/mixed.list.txt"))));
    EXPECT_FALSE(run.out.contains('\r'));
    EXPECT_EQ(readFileBytes(database), before);
}

TEST_F(Cli, ListSortsByTheKeyGivenWithoutChangingTheFile)
{
    const QByteArray before = readFileBytes(database);
    const CliRun byDate =
        runCli({QStringLiteral("-f"), database, QStringLiteral("list"), QStringLiteral("--sort"),
                QStringLiteral("date"), QStringLiteral("--reverse")});
    EXPECT_EQ(byDate.exitCode, 0);
    const QList<QByteArray> lines = byDate.out.split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("Lunch\t")) << "the latest date comes first: " << lines[0].toStdString();
    EXPECT_EQ(readFileBytes(database), before);
}

TEST_F(Cli, SortRewritesTheFileInTheListedOrder)
{
    const CliRun listed = runCli({QStringLiteral("-f"), database, QStringLiteral("list"),
                                  QStringLiteral("--sort"), QStringLiteral("amount")});
    const CliRun sorted =
        runCli({QStringLiteral("-f"), database, QStringLiteral("sort"), QStringLiteral("amount")});
    EXPECT_EQ(sorted.exitCode, 0);
    EXPECT_EQ(sorted.out, QByteArray());
    EXPECT_TRUE(readFileBytes(database).startsWith("\tYear\tMonth\tDay\t"));
    const CliRun after = runCli({QStringLiteral("-f"), database, QStringLiteral("list")});
    EXPECT_EQ(after.out, listed.out);
}

TEST_F(Cli, UsageErrorsExitWithTwoAndOneLineOnStandardError)
{
    const QList<QStringList> mistakes = {
        {},
        {QStringLiteral("-f"), database},
        {QStringLiteral("-f"), database, QStringLiteral("frobnicate")},
        {QStringLiteral("-f"), database, QStringLiteral("list"), QStringLiteral("--sort"),
         QStringLiteral("colour")},
        {QStringLiteral("-f"), database, QStringLiteral("list"), QStringLiteral("extra")},
        {QStringLiteral("-f"), database, QStringLiteral("list"), QStringLiteral("--reverse")},
        {QStringLiteral("-f"), database, QStringLiteral("sort")},
        {QStringLiteral("-f"), database, QStringLiteral("sort"), QStringLiteral("date"),
         QStringLiteral("name")},
        {QStringLiteral("list")},
        {QStringLiteral("-f"), database, QStringLiteral("list"), QStringLiteral("--colour")},
    };
    const QByteArray before = readFileBytes(database);
    for (const QStringList& arguments : mistakes) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, QByteArray());
        EXPECT_TRUE(run.err.startsWith("tallyfox-cli: ")) << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    }
    EXPECT_EQ(readFileBytes(database), before);
}

TEST_F(Cli, FileFailuresExitWithOneAndNameTheFile)
{
    const QString missing = folder.file(QStringLiteral("missing.tfx"));
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("-f"), folder.path(), QStringLiteral("list")},
          QStringList{QStringLiteral("-f"), missing, QStringLiteral("sort"), QStringLiteral("date")},
          QStringList{QStringLiteral("-f"), folder.file(QStringLiteral("mine.tfx/inside.tfx")),
                      QStringLiteral("sort"), QStringLiteral("date")}}) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(arguments[1].toUtf8())) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(missing));
}

TEST_F(Cli, AMissingFileListsAsEmpty)
{
    const CliRun run =
        runCli({QStringLiteral("-f"), folder.file(QStringLiteral("none.tfx")), QStringLiteral("list")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QByteArray());
}

TEST(CliInformation, HelpAndVersion)
{
    const CliRun help = runCli({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("sort KEY")) << help.out.toStdString();
    const CliRun version = runCli({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QByteArray("tallyfox-cli " TALLYFOX_VERSION "\n"));
}

} // namespace
} // namespace tallyfox
