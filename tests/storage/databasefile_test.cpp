#include "core/daycount.h"
#include "core/textforms.h"
#include "storage/databasefile.h"
#include "support/testenvironment.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::readFileBytes;
using test::TempFolder;
using test::testDataPath;
using test::writeFileBytes;

constexpr char kHeader[] =
    "\tYear\tMonth\tDay\tCurrency\tAmount\tIncome?\tType\tIntended source\tPaid with\tHas "
    "receipt\tReceipt number\tNote\r\n";

expensearray parse(const QByteArray& content)
{
    expensearray entries;
    parseDatabase(content, entries);
    return entries;
}

// Bytes of a literal, NUL bytes included.
template <size_t N> QByteArray bytes(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}

QByteArray serialize(const expensearray& entries)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(writeDatabaseContent(buffer, entries, entries.count()));
    return buffer.data();
}

TExpense dinner()
{
    TExpense entry;
    entry.Type = QStringLiteral("Dinner");
    entry.Currency = QStringLiteral("EUR");
    entry.IntendedSource = QStringLiteral("Employer");
    entry.PaidWith = QStringLiteral("Cash");
    entry.Note = QStringLiteral("with client");
    entry.Receipt = QStringLiteral("0042");
    entry.HasReceipt = true;
    entry.Date = dayCountFromDate(2010, 1, 3);
    entry.Amount = 12.5;
    return entry;
}

// Updating a reference: TALLYFOX_UPDATE_GOLDEN=1 writes what the program produces, to be read and committed.
void expectMatchesReference(const QByteArray& actual, const QString& reference)
{
    if (qEnvironmentVariableIsSet("TALLYFOX_UPDATE_GOLDEN"))
        writeFileBytes(testDataPath(reference), actual);
    EXPECT_EQ(actual, readFileBytes(testDataPath(reference)));
}

TEST(DatabaseGolden, AMixedFileReadsAndWritesBackAsTheReference)
{
    const expensearray entries = parse(readFileBytes(testDataPath(QStringLiteral("database/mixed.tfx"))));
    expectMatchesReference(serialize(entries), QStringLiteral("database/mixed.expected.tfx"));
    // What the program wrote reads back to the same file.
    EXPECT_EQ(serialize(parse(serialize(entries))), serialize(entries));
}

TEST(DatabaseFormat, AnEntryLineHasThirteenTabSeparatedFields)
{
    expensearray entries;
    entries.append(dinner());
    EXPECT_EQ(serialize(entries),
              QByteArray(kHeader) +
                  "item\t2010\t1\t3\tEUR\t12.50\tfalse\tDinner\tEmployer\tCash\ttrue\t0042\twith client\r\n");
}

TEST(DatabaseFormat, AnEmptyTableWritesTheHeaderOnlyAndReadsBackEmpty)
{
    const QByteArray written = serialize(expensearray());
    EXPECT_EQ(written, QByteArray(kHeader));
    EXPECT_EQ(parse(written).count(), 0);
}

TEST(DatabaseFormat, NoTextCanSplitALine)
{
    TExpense entry = dinner();
    entry.Type = QStringLiteral("Din\tner");
    entry.Note = QStringLiteral("two\r\nlines\rand\nmore");
    entry.Currency = QStringLiteral("E\tUR");
    expensearray entries;
    entries.append(entry);
    const expensearray back = parse(serialize(entries));
    ASSERT_EQ(back.count(), 1);
    EXPECT_EQ(back[0].Type, u"Din ner");
    EXPECT_EQ(back[0].Note, u"two  lines and more");
    EXPECT_EQ(back[0].Currency, u"E UR");
}

TEST(DatabaseFormat, WritingAndReadingKeepsEntriesUpToTheirStoredForm)
{
    TExpense entry = dinner();
    entry.Type = QStringLiteral("  Caf\u00e9 \u20ac ");
    entry.Amount = 1234.567;
    entry.Date += 0.75; // the time of day is not stored
    entry.Income = true;
    entry.JustChanged = true;
    expensearray entries;
    entries.append(entry);
    const expensearray back = parse(serialize(entries));
    ASSERT_EQ(back.count(), 1);
    EXPECT_EQ(back[0].Type, QStringLiteral("Caf\u00e9 \u20ac"));
    EXPECT_EQ(AmountText(back[0].Amount), u"1234.57");
    EXPECT_EQ(back[0].Date, dayCountFromDate(2010, 1, 3));
    EXPECT_TRUE(back[0].Income);
    EXPECT_FALSE(back[0].JustChanged);
}

struct FieldCase
{
    const char* line;
    const char* what;
    std::function<void(const expensearray&)> check;
};

class DatabaseLineRules : public ::testing::TestWithParam<FieldCase>
{};

TEST_P(DatabaseLineRules, ReadAsTheFileFormatSays)
{
    const FieldCase& c = GetParam();
    SCOPED_TRACE(c.what);
    c.check(parse(QByteArray(kHeader) + c.line));
}

const FieldCase kLineCases[] = {
    {"item\r\n", "a lone tag gives no entry",
     [](const expensearray& e) {
         EXPECT_EQ(e.count(), 0);
     }},
    {"item\t\t\t\t\t5\r\n", "empty fields take their defaults",
     [](const expensearray& e) {
         ASSERT_EQ(e.count(), 1);
         EXPECT_EQ(e[0].Amount, 5.0);
         EXPECT_EQ(e[0].Currency, u"US$");
         EXPECT_EQ(e[0].Date, dayCountFromDate(2009, 1, 1));
         EXPECT_EQ(e[0].Type, u"Unknown");
         EXPECT_EQ(e[0].IntendedSource, u"Unknown");
         EXPECT_EQ(e[0].PaidWith, u"Unknown");
         EXPECT_EQ(e[0].Receipt, u"00");
         EXPECT_FALSE(e[0].HasReceipt);
         EXPECT_EQ(e[0].Note, u"");
     }},
    {"ITEM\t2010\t1\t1\tEUR\t5\r\n", "the tag is lower case",
     [](const expensearray& e) {
         EXPECT_EQ(e.count(), 0);
     }},
    {"  item \t2010\t1\t1\tEUR\t5\r\n", "the tag is trimmed",
     [](const expensearray& e) {
         EXPECT_EQ(e.count(), 1);
     }},
    {"item\t2010\t1\t1\tEUR\t12,5\r\n", "a comma reads as the decimal point",
     [](const expensearray& e) {
         EXPECT_EQ(e[0].Amount, 12.5);
     }},
    {"item\t2010abc\t13\t1\tEUR\t5\r\n", "month 13 gives no date",
     [](const expensearray& e) {
         EXPECT_EQ(e[0].Date, 0.0);
     }},
    {"item\t2010abc\t2\t1\tEUR\t5\r\n", "the year is read up to the letters",
     [](const expensearray& e) {
         EXPECT_EQ(e[0].Date, dayCountFromDate(2010, 2, 1));
     }},
    {"item\t2011\t2\t29\tEUR\t5\r\n", "a day beyond the month gives no date",
     [](const expensearray& e) {
         EXPECT_EQ(e[0].Date, 0.0);
     }},
    {"item\t0\t0\t0\tEUR\t5\r\n", "zeros give no date",
     [](const expensearray& e) {
         EXPECT_EQ(e[0].Date, 0.0);
     }},
    {"item\t2010\t1\t1\tEUR\t5\tTRUE\tT\tS\tP\t True \r\n", "flags ignore case and spaces",
     [](const expensearray& e) {
         EXPECT_TRUE(e[0].Income);
         EXPECT_TRUE(e[0].HasReceipt);
     }},
    {"item\t2010\t1\t1\tEUR\t5\tyes\tT\tS\tP\t1\r\n", "only true is true",
     [](const expensearray& e) {
         EXPECT_FALSE(e[0].Income);
         EXPECT_FALSE(e[0].HasReceipt);
     }},
    {"item\t2010\t1\t1\tEUR\t0\tfalse\tUnknown\r\n", "a zero Unknown entry is dropped",
     [](const expensearray& e) {
         EXPECT_EQ(e.count(), 0);
     }},
    {"item\t2010\t1\t1\tEUR\t0\tfalse\tunknown\r\n", "only the exact type Unknown is dropped",
     [](const expensearray& e) {
         EXPECT_EQ(e.count(), 1);
     }},
    {"item\t2010\t1\t1\t   \t5\tfalse\t \r\n", "a field of spaces is an empty text, not a default",
     [](const expensearray& e) {
         EXPECT_EQ(e[0].Currency, u"");
         EXPECT_EQ(e[0].Type, u"");
     }},
    {"item\t2010\t1\t1\tEUR\t1e400\r\n", "an amount beyond the limit reads as the limit",
     [](const expensearray& e) {
         EXPECT_EQ(e[0].Amount, kLargestStoredAmount);
     }},
    {"item\t2010\t1\t1\tEUR\t5\tfalse\tH\xf4tel\r\n", "a line that is not UTF-8 is Windows-1252",
     [](const expensearray& e) {
         EXPECT_EQ(e[0].Type, QStringView(u"H\u00f4tel"));
     }},
    {"item\t2010\t1\t1\tEUR\t5\tfalse\t\xc2\xa0"
     "Caf\xc3\xa9\xc2\xa0\r\n",
     "no-break spaces are trimmed too",
     [](const expensearray& e) {
         EXPECT_EQ(e[0].Type, QStringView(u"Caf\u00e9"));
     }},
    {"item\t2010\t1\t1\tEUR\t5\tfalse\tA\tB\tC\ttrue\t1\tN\textra\tfields\r\n",
     "fields after the thirteenth are ignored",
     [](const expensearray& e) {
         EXPECT_EQ(e[0].Note, u"N");
     }},
};

INSTANTIATE_TEST_SUITE_P(Fields, DatabaseLineRules, ::testing::ValuesIn(kLineCases));

TEST(DatabaseLines, EndAtCrLfLoneCrOrLoneLf)
{
    const expensearray entries =
        parse("item\t2010\t1\t1\tEUR\t1\ritem\t2010\t1\t1\tEUR\t2\nitem\t2010\t1\t1\tEUR\t3\r\n\r\n\n"
              "item\t2010\t1\t1\tEUR\t4");
    ASSERT_EQ(entries.count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(entries[i].Amount, i + 1.0);
}

TEST(DatabaseLines, ADroppedBlankLastLineLeavesASpareSlotThatTheNextAppendReuses)
{
    expensearray entries = parse("item\t2010\t1\t1\tEUR\t1\r\nitem\r\nitem\t\t\t\t\t0\r\n");
    EXPECT_EQ(entries.count(), 1);
    EXPECT_EQ(entries.slotCount(), 2);
    TExpense& added = entries.append();
    added = dinner();
    EXPECT_EQ(entries.count(), 2);
    EXPECT_EQ(entries.slotCount(), 2);
    EXPECT_EQ(entries[1], dinner());
}

TEST(DatabaseRobustness, AnyBytesReadWithoutCrashing)
{
    QByteArray nasty = QByteArray(kHeader) + bytes("item\t2010\t1\t1\tE\0U\0R\t5\tfalse\tNUL\0type\r\n");
    nasty += "item\t2010\t1\t1\t" + QByteArray(3 << 20, 'x') + "\t5\r\n"; // a line of megabytes
    nasty += QByteArray("item\t\xff\xfe\xc3\t\x80\x81\t5\r\n");
    nasty += QByteArray(1000, '\t') + "\r\n";
    nasty += "item\t-2147483649\t99999999999999999999\t-1\tX\t-0\r\n";
    const expensearray entries = parse(nasty);
    EXPECT_GE(entries.count(), 2);
    EXPECT_EQ(entries[0].Currency, QStringView(u"E\0U\0R", 5).toString());
    // Whatever was read, writes and reads back the same.
    EXPECT_EQ(serialize(parse(serialize(entries))), serialize(entries));
}

class DatabaseFile : public ::testing::Test
{
protected:
    TempFolder folder;
    AppState state{test::pinnedLocale()};
};

TEST_F(DatabaseFile, AMissingFileGivesNoEntriesAndNoMessage)
{
    state.DatabasePath = folder.file(QStringLiteral("none.tfx"));
    state.Entries.append(dinner());
    EXPECT_TRUE(ReadDatabase(state).ok());
    EXPECT_EQ(state.EntryCount(), 0);
}

TEST_F(DatabaseFile, AFolderInPlaceOfTheFileIsReportedAndTheEntriesStay)
{
    state.DatabasePath = folder.path();
    state.Entries.append(dinner());
    const FileResult result = ReadDatabase(state);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.message().contains(folder.path()));
    EXPECT_EQ(state.EntryCount(), 1);
}

TEST_F(DatabaseFile, WritesAndReadsBackThroughTheFile)
{
    state.DatabasePath = folder.file(QStringLiteral("data.tfx"));
    state.Entries.append(dinner());
    ASSERT_TRUE(WriteDatabase(state).ok());
    AppState reread(test::pinnedLocale());
    reread.DatabasePath = state.DatabasePath;
    ASSERT_TRUE(ReadDatabase(reread).ok());
    ASSERT_EQ(reread.EntryCount(), 1);
    EXPECT_EQ(reread.Entries[0], dinner());
}

TEST_F(DatabaseFile, KeepFileIfEmptyLeavesTheFileAloneOnlyWhileThereIsNoEntry)
{
    state.DatabasePath = folder.file(QStringLiteral("opened.txt"));
    writeFileBytes(state.DatabasePath, "some text file without entries\r\n");
    state.KeepFileIfEmpty = true;
    ASSERT_TRUE(WriteDatabase(state).ok());
    EXPECT_EQ(readFileBytes(state.DatabasePath), QByteArray("some text file without entries\r\n"));

    state.Entries.append(dinner());
    ASSERT_TRUE(WriteDatabase(state).ok());
    EXPECT_TRUE(readFileBytes(state.DatabasePath).startsWith(kHeader));
}

TEST_F(DatabaseFile, AFailedWriteIsReportedAndTheOldFileStaysWhole)
{
    state.DatabasePath = folder.file(QStringLiteral("data.tfx"));
    writeFileBytes(state.DatabasePath, "old file");
    writeFileBytes(folder.file(QStringLiteral("plain")), "x");
    state.Entries.append(dinner());

    AppState elsewhere(test::pinnedLocale());
    elsewhere.Entries.append(dinner());
    elsewhere.DatabasePath = folder.file(QStringLiteral("plain/data.tfx"));
    const FileResult result = WriteDatabase(elsewhere);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.message().contains(elsewhere.DatabasePath));
    EXPECT_EQ(elsewhere.EntryCount(), 1);

    test::FailingDevice full(100);
    EXPECT_FALSE(writeDatabaseContent(full, state.Entries, state.EntryCount()));
    EXPECT_EQ(readFileBytes(state.DatabasePath), QByteArray("old file"));
}

TEST_F(DatabaseFile, LongPathsAreUsedWhole)
{
    QString deep = folder.path();
    while (deep.size() < 300)
        deep += QStringLiteral("/a-rather-long-folder-name");
    ASSERT_TRUE(QDir().mkpath(deep));
    state.DatabasePath = deep + QStringLiteral("/data.tfx");
    state.Entries.append(dinner());
    ASSERT_TRUE(WriteDatabase(state).ok());
    EXPECT_TRUE(QFile::exists(state.DatabasePath));
    EXPECT_EQ(QDir(deep.left(255)).entryList(QDir::Files).size(), 0);
}

} // namespace
} // namespace tallyfox

namespace tallyfox {
namespace {

using test::readFileBytes;
using test::TempFolder;
using test::writeFileBytes;

expensearray parsed(const QByteArray& content)
{
    expensearray entries;
    parseDatabase(content, entries);
    return entries;
}

QByteArray written(const expensearray& entries)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(writeDatabaseContent(buffer, entries, entries.count()));
    return buffer.data();
}

TEST(DatabaseRoundTrip, EmptyTextsStayEmptyInsteadOfTakingTheirDefaults)
{
    TExpense blank;
    blank.Date = dayCountFromDate(2010, 1, 3);
    expensearray entries;
    entries.append(blank); // empty type and amount 0: must not read back as a dropped "Unknown" line
    const expensearray back = parsed(written(entries));
    ASSERT_EQ(back.count(), 1);
    for (const QString* text : {&back[0].Type, &back[0].Currency, &back[0].IntendedSource, &back[0].PaidWith,
                                &back[0].Receipt, &back[0].Note})
        EXPECT_TRUE(text->isEmpty()) << text->toStdString();
    EXPECT_EQ(written(back), written(entries));
}

TEST(DatabaseRoundTrip, AnUnknownEntryThatWritesAsZeroIsDroppedOnTheFirstRead)
{
    // The amount reads as 0.001 but is written as 0.00; keeping it would lose it on the next read instead.
    const expensearray entries = parsed(
        "item\t2010\t1\t1\tEUR\t0.001\tfalse\tUnknown\r\nitem\t2010\t1\t1\tEUR\t0.005\tfalse\tUnknown\r\n");
    ASSERT_EQ(entries.count(), 1);
    EXPECT_EQ(AmountText(entries[0].Amount), u"0.01");
    EXPECT_EQ(parsed(written(entries)).count(), 1);
}

// The file is read a megabyte at a time: line ends cut by the chunk's end, and lines longer than a chunk,
// give the same entries as reading the whole content at once.
TEST(DatabaseChunkedReading, LinesAcrossChunkEndsReadAsInOnePiece)
{
    TempFolder folder;
    const qsizetype chunk = 1 << 20;
    const QByteArray line = "item\t2010\t1\t3\tEUR\t12.50\tfalse\tDinner\tEmployer\tCash\ttrue\t0042\tnote";
    for (const QByteArray& lineEnd : {QByteArray("\r\n"), QByteArray("\r"), QByteArray("\n")}) {
        for (qsizetype shift = -3; shift <= 3; ++shift) {
            QByteArray content = QByteArray(kHeader);
            // A filler note long enough that the next line end falls around the chunk's end.
            const qsizetype fillerLength = chunk + shift - content.size() - line.size() - 1;
            content += line + ' ' + QByteArray(fillerLength, 'n') + lineEnd;
            content += line + lineEnd;
            content += line + ' ' + QByteArray(chunk + 17, 'l') + lineEnd; // a line of more than a chunk
            content += line;                                               // no final line end
            SCOPED_TRACE(shift);
            AppState state(test::pinnedLocale());
            state.DatabasePath = folder.file(QStringLiteral("chunks.tfx"));
            writeFileBytes(state.DatabasePath, content);
            ASSERT_TRUE(ReadDatabase(state).ok());
            const expensearray whole = parsed(content);
            ASSERT_EQ(state.EntryCount(), whole.count());
            EXPECT_EQ(state.EntryCount(), 4);
            for (int i = 0; i < whole.count(); ++i)
                EXPECT_EQ(state.Entries[i], whole[i]) << "entry " << i;
        }
    }
}

} // namespace
} // namespace tallyfox
