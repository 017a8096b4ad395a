// The real program started twice: the second copy steps aside.
#include "mainformfixture.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>
#include <gtest/gtest.h>

namespace tallyfox::test {
namespace {

bool logHas(const QString& path, const QByteArray& text)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.readAll().contains(text);
}

TEST(Program, ASecondStartEndsAtOnceWithExitCodeZeroAndLeavesTheFirstAlone)
{
    TempFolder folder;
    const QString settings = folder.file(QStringLiteral("settings/"));
    QDir().mkpath(settings);
    const QString database = settings + QStringLiteral("TallyfoxData.tfx");
    const QByteArray content =
        "\tYear\tMonth\tDay\tCurrency\tAmount\tIncome?\tType\tIntended source\tPaid with\t"
        "Has receipt\tReceipt number\tNote\r\n"
        "item\t2010\t1\t3\tEUR\t12.50\tfalse\tDinner\tEmployer\tCash\ttrue\t0042\t\r\n";
    writeFileBytes(database, content);
    const QString registry = folder.file(QStringLiteral("registry.reg"));
    writeFileBytes(registry, "[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n\"Version\"=dword:000003b9\r\n"
                             "\"DataLocation\"=\"" +
                                 settings.toUtf8() + "\"\r\n");

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("TALLYFOX_REGISTRY"), registry);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.path());
    const QString program = qEnvironmentVariable("TALLYFOX_BIN_DIR") + QStringLiteral("/tallyfox");

    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(program);
    ASSERT_TRUE(first.waitForStarted(5000));
    // The first copy is up once its start-up has logged the database it loaded.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return logHas(settings + QStringLiteral("Tallyfox.log"), "Load file: "); }, 10000))
        << first.readAllStandardError().toStdString();

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(program, {QStringLiteral("-qe")});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(readFileBytes(database), content);
    EXPECT_EQ(readFileBytes(settings + QStringLiteral("Tallyfox.log")).count("Load file: "), 1);

    first.kill();
    first.waitForFinished(5000);
}

} // namespace
} // namespace tallyfox::test
