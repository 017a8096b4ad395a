// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The generated databases: the same options give the same bytes, and the entries look like a person's.
#include "core/daycount.h"
#include "core/textforms.h"
#include "entrygenerator.h"
#include "storage/databasefile.h"
#include "support/testenvironment.h"

#include <QSet>
#include <gtest/gtest.h>

namespace tallyfox::bench {
namespace {

GeneratorOptions options(int entries, std::uint64_t seed, int years = 20)
{
    GeneratorOptions result;
    result.entries = entries;
    result.seed = seed;
    result.years = years;
    return result;
}

QByteArray generatedBytes(const GeneratorOptions& generator, const test::TempFolder& folder,
                          const QString& name)
{
    const QString path = folder.file(name);
    EXPECT_EQ(writeGeneratedDatabase(generator, path), QString());
    return test::readFileBytes(path);
}

TEST(EntryGenerator, TheSameOptionsGiveTheSameBytesAndAnotherSeedOthers)
{
    const test::TempFolder folder;
    const QByteArray first = generatedBytes(options(2000, 7), folder, QStringLiteral("a.tfx"));
    EXPECT_EQ(generatedBytes(options(2000, 7), folder, QStringLiteral("b.tfx")), first);
    EXPECT_NE(generatedBytes(options(2000, 8), folder, QStringLiteral("c.tfx")), first);
}

// The entries are what the program reads back (amounts as the file keeps them, to the hundredth), so
// benchmarks on the file and on the entries measure the same thing.
TEST(EntryGenerator, TheFileReadsBackAsTheGeneratedEntries)
{
    const test::TempFolder folder;
    const ExpenseArray generated = generateEntries(options(3000, 11));
    ExpenseArray read;
    parseDatabase(generatedBytes(options(3000, 11), folder, QStringLiteral("a.tfx")), read);
    ASSERT_EQ(read.count(), generated.count());
    for (int i = 0; i < read.count(); ++i) {
        Expense expected = generated[i];
        EXPECT_EQ(amountText(read[i].amount), amountText(expected.amount)) << "entry " << i;
        expected.amount = read[i].amount;
        ASSERT_EQ(read[i], expected) << "entry " << i;
    }
}

TEST(EntryGenerator, EntriesLookLikeAPersonsExpenses)
{
    const int count = 20000;
    const ExpenseArray entries = generateEntries(options(count, 3, 2));
    const double firstDay = dayCountFromDate(2023, 1, 1);
    const double lastDay = dayCountFromDate(2024, 12, 31);
    int incomes = 0;
    int receipts = 0;
    int lastReceipt = 0;
    int nonAsciiNotes = 0;
    QSet<QString> currencies;
    QSet<QString> types;
    for (const Expense& entry : entries) {
        EXPECT_GE(entry.date, firstDay);
        EXPECT_LE(entry.date, lastDay);
        EXPECT_GT(entry.amount, 0.0);
        EXPECT_LE(entry.note.size(), 40);
        incomes += entry.income ? 1 : 0;
        if (entry.hasReceipt) {
            ++receipts;
            EXPECT_EQ(entry.receipt.view().toInt(), lastReceipt + 1) << "receipts are numbered upwards";
            lastReceipt = entry.receipt.view().toInt();
        } else {
            EXPECT_EQ(entry.receipt, QStringLiteral("00"));
        }
        for (QChar c : entry.note.view())
            nonAsciiNotes += c.unicode() >= 0x80 ? 1 : 0;
        currencies.insert(entry.currency);
        types.insert(entry.type);
    }
    EXPECT_NEAR(incomes, count / 10, count / 50);
    EXPECT_GT(receipts, count / 5);
    EXPECT_GT(nonAsciiNotes, count / 50);
    EXPECT_GE(currencies.size(), 5);
    EXPECT_GE(types.size(), 30);
}

} // namespace
} // namespace tallyfox::bench
