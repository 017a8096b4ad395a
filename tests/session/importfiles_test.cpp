// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// Real-looking statements imported as a person would: each stored as it must be, rejected rows named,
// duplicates left out on a second import, and every export format read back as the entries it came from.
#include "money/currencytable.h"
#include "session/changejournal.h"
#include "session/exportfile.h"
#include "session/importsource.h"
#include "sessionfixture.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::fileLines;
using test::readFileBytes;
using test::testDataPath;
using test::writeFileBytes;

struct Statement
{
    const char* file;
    TextFileEncoding encoding;
    QChar delimiter;
    const char* dateFormat;
    QChar decimalMark;
    int imported;
    QList<RejectedRow> rejected;
};

class ImportFiles : public test::SessionTest
{
protected:
    ImportFiles()
    {
        buildCurrencyTable(state, {QStringLiteral("EUR=Primary"), QStringLiteral("US$=1.44")});
        defaults = importDefaults(state, clock);
    }

    // Reads the file and makes its rows as the proposed mapping says.
    ConvertedRows convert(const QString& path, ImportSource* read = nullptr, ImportMapping* used = nullptr)
    {
        const ReadResult<ImportSource> source = readImportFile(path, QChar(), defaults);
        EXPECT_TRUE(source.result.ok()) << source.result.message().toStdString();
        const ImportMapping mapping = proposeMapping(source.value, state.settings, defaults);
        if (read)
            *read = source.value;
        if (used)
            *used = mapping;
        return convertSource(source.value, mapping, defaults);
    }

    ImportTally import(const QString& path)
    {
        ImportTally tally;
        const CommandOutcome outcome = session.importEntries(convert(path).rows, false, tally);
        EXPECT_FALSE(outcome.hasFailures());
        return tally;
    }

    ImportDefaults defaults;
};

TEST_F(ImportFiles, EachStatementIsStoredAsItMustBe)
{
    const QList<Statement> statements = {
        {"german-bank.csv",
         TextFileEncoding::Windows1252,
         u';',
         "d.M.yyyy",
         u',',
         6,
         {{7, QStringLiteral("no date")}, {8, QStringLiteral("amount \"1,5,0\" is not a number")}}},
        {"spreadsheet.csv",
         TextFileEncoding::Utf8,
         u',',
         "M/d/yyyy",
         u'.',
         5,
         {{8, QStringLiteral("no amount")}, {9, QStringLiteral("date \"02/30/2023\" is not M/d/yyyy")}}},
        {"budget-bom.tsv",
         TextFileEncoding::Utf8WithBom,
         u'\t',
         "yyyy-MM-dd",
         u'.',
         3,
         {{5, QStringLiteral("amount \"\u20ac 7,00\" does not read with the decimal mark \".\"")}}},
    };
    for (const Statement& statement : statements) {
        const QString name = QString::fromUtf8(statement.file);
        SCOPED_TRACE(name.toStdString());
        state.entries.clear();
        QFile::remove(state.databasePath);
        ImportSource source;
        const ConvertedRows converted = convert(testDataPath(QStringLiteral("import/") + name), &source);
        EXPECT_EQ(source.encoding, statement.encoding);
        EXPECT_EQ(source.delimiter, statement.delimiter);
        EXPECT_EQ(converted.dateFormat, QString::fromUtf8(statement.dateFormat));
        EXPECT_EQ(converted.decimalMark, statement.decimalMark);
        EXPECT_EQ(converted.rejected, statement.rejected);
        EXPECT_EQ(int(converted.rows.size()), statement.imported);

        ImportTally tally;
        const CommandOutcome outcome = session.importEntries(converted.rows, false, tally);
        EXPECT_TRUE(outcome.stored());
        EXPECT_EQ(int(tally.added), statement.imported);
        const QString expected = testDataPath(QStringLiteral("import/") + name.section(u'.', 0, 0) +
                                              QStringLiteral(".expected.tfx"));
        if (qEnvironmentVariableIsSet("TALLYFOX_UPDATE_GOLDEN"))
            writeFileBytes(expected, readFileBytes(state.databasePath));
        EXPECT_EQ(readFileBytes(state.databasePath), readFileBytes(expected));
    }
}

TEST_F(ImportFiles, TheGermanBanksDebitsAreExpensesAndItsCreditsIncomes)
{
    const ConvertedRows converted = convert(testDataPath(QStringLiteral("import/german-bank.csv")));
    ASSERT_EQ(converted.rows.size(), 6u);
    const Expense& groceries = converted.rows[0].entry;
    EXPECT_EQ(groceries.date, dayCountFromDate(2023, 1, 3));
    EXPECT_DOUBLE_EQ(groceries.amount, 45.67);
    EXPECT_FALSE(groceries.income);
    EXPECT_EQ(groceries.note, QStringLiteral("Einkauf Lebensmittel"));
    EXPECT_EQ(groceries.type, QStringLiteral("Unknown"));
    EXPECT_EQ(groceries.currency, QStringLiteral("EUR"));
    EXPECT_EQ(groceries.intendedSource, state.settings.lastIntendedSource);
    EXPECT_EQ(groceries.paidWith, state.settings.lastPaidWith);
    const Expense& salary = converted.rows[1].entry;
    EXPECT_DOUBLE_EQ(salary.amount, 2345.0);
    EXPECT_TRUE(salary.income);
    // Windows-1252 keeps its accents; a quoted ";" stays in its field.
    EXPECT_EQ(converted.rows[2].entry.note, QStringLiteral("Br\u00f6tchen & Kaffee"));
    EXPECT_EQ(converted.rows[3].entry.note, QStringLiteral("Abschlag Strom; Januar"));
    EXPECT_EQ(converted.rows[4].entry.note, QStringLiteral("Geschenk f\u00fcr Oma \u2013 20 \u20ac"));
    // A debit of 0,00 beside a credit is the credit.
    EXPECT_TRUE(converted.rows[5].entry.income);
    EXPECT_DOUBLE_EQ(converted.rows[5].entry.amount, 0.12);
}

TEST_F(ImportFiles, TheSpreadsheetsNotesKeepTheirTextOnOneLine)
{
    const ConvertedRows converted = convert(testDataPath(QStringLiteral("import/spreadsheet.csv")));
    ASSERT_EQ(converted.rows.size(), 5u);
    EXPECT_EQ(converted.rows[2].line, 4);
    EXPECT_EQ(converted.rows[2].entry.note, QStringLiteral("paint brushes and tape"));
    EXPECT_DOUBLE_EQ(converted.rows[2].entry.amount, 42.1);
    EXPECT_FALSE(converted.rows[2].entry.income);
    EXPECT_EQ(converted.rows[3].line, 7);
    EXPECT_EQ(converted.rows[3].entry.note, QStringLiteral("He said \"thanks\""));
    EXPECT_TRUE(converted.rows[1].entry.income) << "a positive amount is an income";
    EXPECT_EQ(converted.rows[1].entry.type, QStringLiteral("Salary"));
}

TEST_F(ImportFiles, ASecondImportLeavesEveryRowOutAsADuplicate)
{
    const QString path = testDataPath(QStringLiteral("import/spreadsheet.csv"));
    EXPECT_EQ(import(path).added, 5);
    const QByteArray written = readFileBytes(state.databasePath);
    const QStringList log = logTexts();
    EXPECT_EQ(log.size(), 5);
    EXPECT_TRUE(log[0].startsWith(QStringLiteral("New\t1/3/23\tEUR\t3.50\tCoffee\t")))
        << log[0].toStdString();

    const ImportTally again = import(path);
    EXPECT_EQ(again.added, 0);
    ASSERT_EQ(again.duplicates.size(), 5u);
    EXPECT_EQ(again.duplicates[0].line, 2);
    EXPECT_EQ(again.duplicates[0].sameAsLine, 0) << "already in the database";
    EXPECT_EQ(readFileBytes(state.databasePath), written);
    EXPECT_EQ(logTexts().size(), 5) << "nothing stored, nothing logged";

    // Asked for, they are stored all the same.
    ImportTally allowed;
    EXPECT_TRUE(session.importEntries(convert(path).rows, true, allowed).stored());
    EXPECT_EQ(allowed.added, 5);
    EXPECT_EQ(state.entryCount(), 10);
}

TEST_F(ImportFiles, DuplicatesShareDateAmountCurrencyAndTypeOrNote)
{
    addEntries({{.type = "Lunch", .amount = 12.5, .date = QDate(2023, 1, 3), .note = "canteen"}});
    const auto row = [](qsizetype line, EntryValues values) {
        return ImportRow{line, test::makeExpense(values)};
    };
    std::vector<ImportRow> rows = {
        row(2, {.type = "Lunch", .amount = 12.5, .date = QDate(2023, 1, 3), .note = "other"}),
        row(3, {.type = "Food", .amount = 12.5, .date = QDate(2023, 1, 3), .note = "canteen"}),
        row(4, {.type = "Food", .amount = 12.5, .date = QDate(2023, 1, 3), .note = "bakery"}),
        row(5, {.type = "Taxi", .amount = 12.5, .date = QDate(2023, 1, 3), .note = "bakery"}),
        row(6, {.type = "Lunch", .amount = 12.5, .income = true, .date = QDate(2023, 1, 3)}),
        row(7, {.type = "Lunch", .currency = "US$", .amount = 12.5, .date = QDate(2023, 1, 3)}),
        row(8, {.type = "Lunch", .amount = 12.51, .date = QDate(2023, 1, 3)}),
        row(9, {.type = "Lunch", .amount = 12.5, .date = QDate(2023, 1, 4)}),
        row(10, {.type = "Taxi", .amount = 9.0, .date = QDate(2023, 1, 4)}),
    };
    const std::vector<DuplicateRow> duplicates = leaveOutDuplicates(rows, state.entries);
    ASSERT_EQ(duplicates.size(), 3u);
    EXPECT_EQ(duplicates[0].line, 2) << "the same type";
    EXPECT_EQ(duplicates[1].line, 3) << "the same note";
    EXPECT_EQ(duplicates[2].line, 5);
    EXPECT_EQ(duplicates[2].sameAsLine, 4) << "the same note as an earlier row";
    std::vector<qsizetype> kept;
    for (const ImportRow& r : rows)
        kept.push_back(r.line);
    EXPECT_EQ(kept, (std::vector<qsizetype>{4, 6, 7, 8, 9, 10}));
}

TEST_F(ImportFiles, EveryExportFormatReadsBackAsTheEntriesItCameFrom)
{
    addEntries({{.type = "Dinner",
                 .amount = 35.5,
                 .date = QDate(2010, 2, 10),
                 .receipt = "0007",
                 .note = "with client"},
                {.type = "Salary",
                 .currency = "US$",
                 .amount = 2345.67,
                 .income = true,
                 .date = QDate(2009, 12, 31),
                 .source = "Myself",
                 .paidWith = "Bank transfer"},
                {.type = "Car: rental",
                 .amount = 1.0,
                 .date = QDate(2010, 1, 1),
                 .note = "comma, \"quotes\"; semicolon",
                 .paidWith = "Card  (work)"},
                {.type = "Caf\u00e9 \U0001F600",
                 .currency = "GBP",
                 .amount = 999999.99,
                 .date = QDate(1999, 6, 30),
                 .receipt = "12",
                 .source = "Client"}});
    for (const bool incomeIsPositive : {false, true}) {
        state.settings.incomeIsPositive = incomeIsPositive;
        for (const ExportFormat format :
             {ExportFormat::Tsv, ExportFormat::Csv, ExportFormat::Json, ExportFormat::Journal}) {
            SCOPED_TRACE((exportFormatName(format) + QChar(incomeIsPositive ? u'+' : u'-')).toStdString());
            const QString path = file(QStringLiteral("export.") + exportFormatName(format));
            ASSERT_TRUE(session.exportData(path, format).ok());
            ImportSource source;
            const ConvertedRows converted = convert(path, &source);
            EXPECT_NE(source.format, ImportFormat::Table) << "the export is recognised";
            EXPECT_TRUE(converted.rejected.isEmpty());
            ASSERT_EQ(converted.rows.size(), 4u);
            for (int i = 0; i < 4; ++i)
                EXPECT_EQ(storedLine(converted.rows[size_t(i)].entry), storedLine(state.entries[i]));
        }
    }
    // The database file itself too.
    session.refreshList(false);
    const ConvertedRows fromDatabase = convert(state.databasePath);
    ASSERT_EQ(fromDatabase.rows.size(), 4u);
    EXPECT_EQ(storedLine(fromDatabase.rows[3].entry), storedLine(state.entries[3]));
}

// A large table is made into rows by two threads: the rows, the rejected lines and the duplicates
// must come as they would from one, in the order of the file.
TEST_F(ImportFiles, ALargeStatementKeepsTheOrderOfItsLines)
{
    constexpr int kRows = 30000;
    QByteArray csv = "Date,Amount,Category,Memo\n";
    for (int row = 0; row < kRows; ++row) {
        const QByteArray amount = row % 9973 == 5 ? "lots" : QByteArray::number(-(row % 500 + 1)) + ".25";
        // Each row after the middle repeats one of the first hundred rows now and then.
        const int same = row > kRows / 2 && row % 4999 == 0 ? row % 100 : row;
        csv += QDate(2020, 1, 1).addDays(same / 10).toString(Qt::ISODate).toLatin1() + ',' +
               (same == row ? amount : QByteArray::number(-(same % 500 + 1)) + ".25") + ",Food,note " +
               QByteArray::number(same) + '\n';
    }
    const QString path = folder.file(QStringLiteral("large.csv"));
    writeFileBytes(path, csv);
    ConvertedRows converted = convert(path);
    QList<qsizetype> rejectedLines;
    for (const RejectedRow& rejected : converted.rejected)
        rejectedLines.append(rejected.line);
    EXPECT_EQ(rejectedLines, (QList<qsizetype>{5 + 2, 9978 + 2, 19951 + 2, 29924 + 2}));
    ASSERT_EQ(converted.rows.size(), size_t(kRows - 4));
    for (size_t i = 1; i < converted.rows.size(); ++i)
        ASSERT_LT(converted.rows[i - 1].line, converted.rows[i].line);
    EXPECT_EQ(converted.rows.back().entry.note, QStringLiteral("note %1").arg(kRows - 1));

    const std::vector<DuplicateRow> duplicates = leaveOutDuplicates(converted.rows, state.entries);
    std::vector<std::pair<qsizetype, qsizetype>> pairs;
    for (const DuplicateRow& duplicate : duplicates)
        pairs.emplace_back(duplicate.line, duplicate.sameAsLine);
    const auto line = [](int row) {
        return qsizetype(row + 2);
    };
    EXPECT_EQ(pairs, (std::vector<std::pair<qsizetype, qsizetype>>{
                         {line(19996), line(96)}, {line(24995), line(95)}, {line(29994), line(94)}}));
}

TEST_F(ImportFiles, AFirstRowThatHoldsADateIsARowNotAHeader)
{
    const QString path = file(QStringLiteral("bare.csv"));
    writeFileBytes(path, "2023-01-03,-4.50,Kiosk\n2023-01-04,-1.20,Bus\n");
    ImportSource source;
    ImportMapping mapping;
    EXPECT_TRUE(convert(path, &source, &mapping).rows.empty()) << "no column is known yet";
    EXPECT_FALSE(mapping.hasHeader);
    ASSERT_EQ(applyColumnList(QStringLiteral("date=1,amount=2,note=3"), {}, mapping), std::nullopt);
    const ConvertedRows converted = convertSource(source, mapping, defaults);
    ASSERT_EQ(converted.rows.size(), 2u);
    EXPECT_EQ(converted.rows[0].line, 1);
    EXPECT_EQ(converted.rows[1].entry.note, QStringLiteral("Bus"));
}

TEST_F(ImportFiles, AmountsAreReadTheOtherWayRoundWhenAsked)
{
    const QString path = file(QStringLiteral("card.csv"));
    writeFileBytes(path, "Date,Amount,Description\n2023-01-03,4.50,Kiosk\n2023-01-04,-20.00,Refund\n");
    ImportSource source;
    ImportMapping mapping;
    convert(path, &source, &mapping);
    mapping.negativeIsIncome = true;
    mapping.type = QStringLiteral("Card");
    mapping.currency = QStringLiteral("US$");
    const ConvertedRows converted = convertSource(source, mapping, defaults);
    ASSERT_EQ(converted.rows.size(), 2u);
    EXPECT_FALSE(converted.rows[0].entry.income);
    EXPECT_TRUE(converted.rows[1].entry.income);
    EXPECT_EQ(converted.rows[1].entry.type, QStringLiteral("Card"));
    EXPECT_EQ(converted.rows[1].entry.currency, QStringLiteral("US$"));
}

} // namespace
} // namespace tallyfox
