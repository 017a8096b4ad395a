// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The real program started twice: the second copy steps aside while the first runs, and nothing a
// killed copy leaves behind keeps the next one from starting.
#include "mainwindow/mainformfixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>
#include <gtest/gtest.h>

namespace tallyfox::test {
namespace {

class ProgramCopies : public ::testing::Test
{
protected:
    ProgramCopies()
    {
        QDir().mkpath(settings);
        writeFileBytes(database, content);
        writeFileBytes(registry, "[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n\"Version\"=dword:000003b9\r\n"
                                 "\"DataLocation\"=\"" +
                                     settings.toUtf8() + "\"\r\n");
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("TALLYFOX_REGISTRY"), registry);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.path());
    }

    void start(QProcess& copy, const QStringList& arguments = {}) const
    {
        copy.setProcessEnvironment(environment);
        copy.start(qEnvironmentVariable("TALLYFOX_BIN_DIR") + QStringLiteral("/tallyfox"), arguments);
    }

    [[nodiscard]] qsizetype loads() const
    {
        // The log is made by the first start-up, so it may not be there yet.
        QFile log(settings + QStringLiteral("Tallyfox.log"));
        return log.open(QIODevice::ReadOnly) ? log.readAll().count("Load file: ") : 0;
    }

    // A copy is up once its start-up has logged the database it loaded.
    [[nodiscard]] bool waitForLoads(qsizetype count) const
    {
        return QTest::qWaitFor([&] { return loads() == count; }, 10000);
    }

    TempFolder folder;
    const QString settings = folder.file(QStringLiteral("settings/"));
    const QString database = settings + QStringLiteral("TallyfoxData.tfx");
    const QString registry = folder.file(QStringLiteral("registry.reg"));
    const QByteArray content =
        "\tYear\tMonth\tDay\tCurrency\tAmount\tIncome?\tType\tIntended source\tPaid with\t"
        "Has receipt\tReceipt number\tNote\r\n"
        "item\t2010\t1\t3\tEUR\t12.50\tfalse\tDinner\tEmployer\tCash\ttrue\t0042\t\r\n";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

TEST_F(ProgramCopies, ASecondStartEndsAtOnceWithExitCodeZeroAndLeavesTheFirstAlone)
{
    QProcess first;
    start(first);
    ASSERT_TRUE(first.waitForStarted(5000));
    ASSERT_TRUE(waitForLoads(1)) << first.readAllStandardError().toStdString();

    QProcess second;
    start(second, {QStringLiteral("-qe")});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(readFileBytes(database), content);
    EXPECT_EQ(loads(), 1);

    first.kill();
    first.waitForFinished(5000);
}

TEST_F(ProgramCopies, ACopyKilledOutrightDoesNotKeepTheNextFromStarting)
{
    QProcess first;
    start(first);
    ASSERT_TRUE(first.waitForStarted(5000));
    ASSERT_TRUE(waitForLoads(1)) << first.readAllStandardError().toStdString();
    first.kill();
    ASSERT_TRUE(first.waitForFinished(5000));

    QProcess next;
    start(next);
    ASSERT_TRUE(next.waitForStarted(5000));
    EXPECT_TRUE(waitForLoads(2)) << next.readAllStandardError().toStdString();
    EXPECT_EQ(next.state(), QProcess::Running);

    next.kill();
    next.waitForFinished(5000);
}

} // namespace
} // namespace tallyfox::test
