// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The real program started with -sqe: it adds one entry and ends by itself.
#include "mainwindow/mainformfixture.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace tallyfox::test {
namespace {

TEST(Program, AQuickEntryOnlyStartAddsOneEntryAndEndsWithExitCodeZero)
{
    TempFolder folder;
    const QString settings = folder.file(QStringLiteral("settings/"));
    QDir().mkpath(settings);
    const QString database = settings + QStringLiteral("TallyfoxData.tfx");
    const QByteArray entry = "item\t2010\t1\t3\tEUR\t12.50\tfalse\tDinner\tEmployer\tCash\ttrue\t0042\t\r\n";
    writeFileBytes(database,
                   "\tYear\tMonth\tDay\tCurrency\tAmount\tIncome?\tType\tIntended source\tPaid with\t"
                   "Has receipt\tReceipt number\tNote\r\n" +
                       entry);
    // No quick-entry step and no review: the editor accepts the new entry as soon as it opens.
    QByteArray values = "\"Version\"=dword:000003b9\r\n\"DataLocation\"=\"" + settings.toUtf8() +
                        "\"\r\n\"SkipOverview\"=dword:00000001\r\n\"Lastpaidwith\"=\"Voucher\"\r\n";
    for (const char* step : {"Type", "Date", "Currency", "Amount", "PaidWith", "IntendedSource", "Note"})
        values += QByteArray("\"QuickEnable") + step + "\"=dword:00000000\r\n";
    const QString registry = folder.file(QStringLiteral("registry.reg"));
    writeFileBytes(registry, "[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n" + values);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("TALLYFOX_REGISTRY"), registry);
    environment.insert(QStringLiteral("TALLYFOX_NOW"), QStringLiteral("2010-02-14T09:15:00"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.path());
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(qEnvironmentVariable("TALLYFOX_BIN_DIR") + QStringLiteral("/tallyfox"),
                  {QStringLiteral("-sqe")});
    ASSERT_TRUE(program.waitForStarted(5000));
    const bool ended = program.waitForFinished(20000);
    if (!ended) {
        program.kill();
        program.waitForFinished(5000);
    }
    ASSERT_TRUE(ended) << program.readAllStandardError().toStdString();
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);

    const QByteArray content = readFileBytes(database);
    EXPECT_EQ(content.count("\r\nitem\t"), 2) << content.toStdString();
    EXPECT_TRUE(content.contains(entry));
    EXPECT_TRUE(
        content.contains("item\t2010\t2\t14\tEUR\t0.00\tfalse\t \tEmployer\tVoucher\tfalse\t00\t\r\n"))
        << content.toStdString();
    EXPECT_TRUE(readFileBytes(settings + QStringLiteral("Tallyfox.log")).contains("Voucher"));
}

} // namespace
} // namespace tallyfox::test
