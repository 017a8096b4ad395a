// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// tallyfox-cli among other writers of the same database: the write lock, fresh receipt numbers, files
// that are no database, and exit codes that tell what happened.
#include "clisandbox.h"
#include "platform/filelock.h"
#include "storage/databasefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tallyfox {
namespace {

using test::CliRun;
using test::CliSandbox;
using test::readFileBytes;
using test::writeFileBytes;

QStringList addArguments(const QString& database, const char* type)
{
    return {QStringLiteral("-f"),    database,
            QStringLiteral("add"),   QStringLiteral("--type"),
            QString::fromUtf8(type), QStringLiteral("--amount"),
            QStringLiteral("5"),     QStringLiteral("--receipt")};
}

// The receipt numbers of the database's entries.
QStringList receipts(const QString& database)
{
    AppState state{test::pinnedLocale()};
    state.databasePath = database;
    EXPECT_TRUE(readDatabaseFile(state).ok());
    QStringList numbers;
    for (const Expense& entry : state.entries)
        numbers << entry.receipt;
    return numbers;
}

TEST(CliWriters, TwoAddsStartedTogetherBothKeepTheirEntryWithTheirOwnReceipt)
{
    CliSandbox sandbox;
    const QString database = sandbox.file(QStringLiteral("shared.tfx"));
    // Two users of one synced database: each has a registry (so both start from receipt 1) and a
    // settings folder of its own.
    std::vector<std::unique_ptr<QProcess>> processes;
    for (const char* name : {"one", "two"}) {
        QProcessEnvironment environment = sandbox.environment;
        const QString own = sandbox.file(QString::fromUtf8(name));
        QDir().mkpath(own);
        environment.insert(QStringLiteral("TALLYFOX_REGISTRY"), own + QStringLiteral("/registry.reg"));
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(environment);
        process->start(qEnvironmentVariable("TALLYFOX_BIN_DIR") + QStringLiteral("/tallyfox-cli"),
                       QStringList{QStringLiteral("-d"), own} + addArguments(database, name));
        processes.push_back(std::move(process));
    }
    for (const auto& process : processes) {
        ASSERT_TRUE(process->waitForFinished(60000));
        EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
    }
    QStringList numbers = receipts(database);
    numbers.sort();
    EXPECT_EQ(numbers, QStringList({"1", "2"}));
}

TEST(CliWriters, AnAddWhileAnotherHoldsTheLockIsBusyAndChangesNothing)
{
    CliSandbox sandbox;
    const QString database = sandbox.file(QStringLiteral("held.tfx"));
    ASSERT_EQ(sandbox.run(addArguments(database, "First")).exitCode, 0);
    const QByteArray before = readFileBytes(database);
    const std::optional<QString> counter = sandbox.registryValue(QStringLiteral("NextReceiptNum"));

    // Another writer holds the lock: a FileLock here waits and blocks like one in another process.
    qputenv("XDG_RUNTIME_DIR", sandbox.environment.value(QStringLiteral("XDG_RUNTIME_DIR")).toUtf8());
    FileLock other(database);
    qunsetenv("XDG_RUNTIME_DIR");
    ASSERT_TRUE(other.lock(std::chrono::milliseconds(0)));
    const CliRun busy = sandbox.run(addArguments(database, "Second"));
    EXPECT_EQ(busy.exitCode, 4);
    EXPECT_TRUE(busy.err.contains("the database is busy")) << busy.err.toStdString();
    EXPECT_TRUE(busy.err.contains(database.toUtf8())) << busy.err.toStdString();
    EXPECT_EQ(readFileBytes(database), before);
    EXPECT_EQ(sandbox.registryValue(QStringLiteral("NextReceiptNum")), counter);

    other.unlock();
    EXPECT_EQ(sandbox.run(addArguments(database, "Second")).exitCode, 0);
    EXPECT_EQ(receipts(database), QStringList({"1", "2"}));
}

TEST(CliWriters, AnEntryStoredBesideARegistryThatIsNoFileExitsWithThree)
{
    CliSandbox sandbox;
    const QString database = sandbox.file(QStringLiteral("fifo.tfx"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(sandbox.registryFile()).constData(), 0600), 0);
    const CliRun run = sandbox.run(addArguments(database, "Taxi"));
    EXPECT_EQ(run.exitCode, 3) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("It is a FIFO")) << run.err.toStdString();
    EXPECT_EQ(receipts(database).size(), 1);
}

TEST(CliWriters, AnEntryStoredWithoutItsSettingsExitsWithThreeAndItsNumberIsNotUsedAgain)
{
    CliSandbox sandbox;
    const QString database = sandbox.file(QStringLiteral("kept.tfx"));
    ASSERT_EQ(sandbox.run(addArguments(database, "Taxi")).exitCode, 0);
    const QByteArray registry = readFileBytes(sandbox.registryFile());

    // The registry cannot be written again (a full disk): every file may grow to just below its size,
    // which the small database and log never reach.
    QProcess process;
    process.setProcessEnvironment(sandbox.environment);
    const rlim_t limit = rlim_t(registry.size() - 1);
    process.setChildProcessModifier([limit] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit fileSize{limit, limit};
        setrlimit(RLIMIT_FSIZE, &fileSize);
    });
    process.start(qEnvironmentVariable("TALLYFOX_BIN_DIR") + QStringLiteral("/tallyfox-cli"),
                  addArguments(database, "Bus"));
    ASSERT_TRUE(process.waitForFinished(60000));
    const QByteArray err = process.readAllStandardError();
    EXPECT_EQ(process.exitCode(), 3) << err.toStdString();
    EXPECT_TRUE(err.contains("Entry stored, but the settings were not saved: ")) << err.toStdString();
    EXPECT_EQ(readFileBytes(sandbox.registryFile()), registry);

    // The counter stayed behind the database; the next entry does not repeat its number.
    EXPECT_EQ(sandbox.run(addArguments(database, "Tram")).exitCode, 0);
    EXPECT_EQ(receipts(database), QStringList({"1", "2", "3"}));
    EXPECT_EQ(sandbox.registryValue(QStringLiteral("NextReceiptNum")), QStringLiteral("dword:00000004"));
}

// What a save must leave alone, and what the tool says of it.
TEST(CliWriters, ASaveTouchesOnlyItsOwnFilesAndExitsWithWhatHappened)
{
    struct Case
    {
        const char* name;
        std::function<void(CliSandbox&, const QString& database)> arrange;
        int exitCode;
        const char* told;
        // Whether the new entry is in the database afterwards.
        bool stored;
    };
    const QString victimName = QStringLiteral("victim.txt");
    const Case cases[] = {
        {"a link at the backup",
         [&](CliSandbox& sandbox, const QString& database) {
             writeFileBytes(sandbox.file(victimName), "precious");
             QFile::link(sandbox.file(victimName), database + QStringLiteral(".bak"));
         },
         1, "could not be kept as", false},
        {"a read-only database",
         [](CliSandbox&, const QString& database) {
             QFile::setPermissions(database, QFileDevice::ReadOwner);
         },
         1, "It is read-only. It was left as it is; use Save as", false},
        {"a database with two names",
         [](CliSandbox& sandbox, const QString& database) {
             ::link(QFile::encodeName(database).constData(),
                    QFile::encodeName(sandbox.file(QStringLiteral("second-name.tfx"))).constData());
         },
         1, "It has 2 names (hard links)", false},
        {"an edit log that cannot be written",
         [](CliSandbox& sandbox, const QString&) {
             sandbox.writeRegistry({QStringLiteral("\"EnableLogging\"=dword:00000001")});
             const QString log = sandbox.settingsFolder() + QStringLiteral("Tallyfox.log");
             QFile::remove(log);
             QDir().mkpath(log);
         },
         3, "Entry stored, but the edit log was not written: Cannot write", true},
        {"a folder that cannot be synced",
         [](CliSandbox& sandbox, const QString& database) {
             sandbox.environment.insert(QStringLiteral("LD_PRELOAD"),
                                        QStringLiteral(TALLYFOX_FAIL_FOLDER_SYNC_LIBRARY));
             sandbox.environment.insert(QStringLiteral("TALLYFOX_TEST_FAIL_SYNC_OF"),
                                        QFileInfo(database).absolutePath());
         },
         3, "Entry stored, but not yet on the disk: ", true},
        {"a clock that is no date",
         [](CliSandbox& sandbox, const QString&) {
             sandbox.environment.insert(QStringLiteral("TALLYFOX_NOW"), QStringLiteral("garbage"));
         },
         2, "TALLYFOX_NOW must be a date", false},
    };
    for (const Case& c : cases) {
        CliSandbox sandbox;
        const QString database = sandbox.file(QStringLiteral("data/db.tfx"));
        QDir().mkpath(sandbox.file(QStringLiteral("data")));
        ASSERT_EQ(sandbox.run(addArguments(database, "First")).exitCode, 0) << c.name;
        // The user's files beside the database, named as temporary files once were.
        const QStringList besides = {QStringLiteral("db.tfx.backup"), QStringLiteral("db.tfx.before"),
                                     QStringLiteral("db.tfx.Ab12Cd")};
        for (const QString& name : besides)
            writeFileBytes(sandbox.file(QStringLiteral("data/") + name), "mine");
        c.arrange(sandbox, database);
        const QByteArray before = readFileBytes(database);

        const CliRun run = sandbox.run(addArguments(database, "Second"));
        EXPECT_EQ(run.exitCode, c.exitCode) << c.name << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.told)) << c.name << ": " << run.err.toStdString();
        if (c.stored) {
            EXPECT_EQ(receipts(database).size(), 2) << c.name;
        } else {
            EXPECT_EQ(readFileBytes(database), before) << c.name;
        }
        for (const QString& name : besides)
            EXPECT_EQ(readFileBytes(sandbox.file(QStringLiteral("data/") + name)), "mine") << c.name;
        if (QFile::exists(sandbox.file(victimName))) {
            EXPECT_EQ(readFileBytes(sandbox.file(victimName)), "precious") << c.name;
        }
        const QStringList hidden =
            QDir(sandbox.file(QStringLiteral("data")))
                .entryList({QStringLiteral(".*tallyfox-tmp*")}, QDir::Files | QDir::Hidden);
        EXPECT_TRUE(hidden.isEmpty()) << c.name << ": " << hidden.join(u' ').toStdString();
    }
}

struct ForeignFile
{
    const char* name;
    QByteArray bytes;
};

class CliForeignFile : public ::testing::TestWithParam<ForeignFile>
{
protected:
    void SetUp() override
    {
        // The reader must tell a header and entry lines from other lines for this rule.
        AppState probe{test::pinnedLocale()};
        probe.databasePath = sandbox.file(QStringLiteral("probe.tfx"));
        writeFileBytes(probe.databasePath, QByteArray(kDatabaseHeader.data(), kDatabaseHeader.size()));
        DatabaseReadSummary summary;
        const FileResult read = readDatabaseFile(probe, nullptr, &summary);
        ASSERT_TRUE(read.ok()) << read.message().toStdString();
        if (!summary.headerSeen)
            GTEST_SKIP() << "the database reader does not yet tell the header from other lines";
    }

    CliSandbox sandbox;
};

TEST_P(CliForeignFile, EveryCommandRefusesItAndLeavesItByteForByte)
{
    const QString path = sandbox.file(QStringLiteral("notes.txt"));
    writeFileBytes(path, GetParam().bytes);
    const QList<QStringList> commands = {
        addArguments(path, "Taxi"),
        {QStringLiteral("-f"), path, QStringLiteral("sort"), QStringLiteral("date")},
        {QStringLiteral("-f"), path, QStringLiteral("list")},
        {QStringLiteral("-f"), path, QStringLiteral("report")},
        {QStringLiteral("-f"), path, QStringLiteral("export")},
    };
    for (const QStringList& command : commands) {
        const CliRun run = sandbox.run(command);
        EXPECT_EQ(run.exitCode, 1) << command[2].toStdString();
        EXPECT_TRUE(run.err.contains("not a Tallyfox database")) << run.err.toStdString();
        EXPECT_EQ(readFileBytes(path), GetParam().bytes) << command[2].toStdString();
    }
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".bak")));
}

QByteArray binaryBytes()
{
    QByteArray bytes(4096, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char((i * 37 + 11) & 0xff);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(Files, CliForeignFile,
                         ::testing::Values(ForeignFile{"Markdown", "# Shopping\n\n- milk\n- bread\n"},
                                           ForeignFile{"Binary", binaryBytes()}),
                         [](const ::testing::TestParamInfo<ForeignFile>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace tallyfox
