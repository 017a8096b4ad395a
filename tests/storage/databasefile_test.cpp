// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "core/daycount.h"
#include "core/textforms.h"
#include "storage/databasefile.h"
#include "storage/databaselinewriter.h"
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

ExpenseArray parse(const QByteArray& content)
{
    ExpenseArray entries;
    parseDatabase(content, entries);
    return entries;
}

// Bytes of a literal, NUL bytes included.
template <size_t N> QByteArray bytes(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}

QByteArray serialize(const ExpenseArray& entries)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(writeDatabaseContent(buffer, entries, entries.count()));
    return buffer.data();
}

Expense dinner()
{
    Expense entry;
    entry.type = QStringLiteral("Dinner");
    entry.currency = QStringLiteral("EUR");
    entry.intendedSource = QStringLiteral("Employer");
    entry.paidWith = QStringLiteral("Cash");
    entry.note = QStringLiteral("with client");
    entry.receipt = QStringLiteral("0042");
    entry.hasReceipt = true;
    entry.date = dayCountFromDate(2010, 1, 3);
    entry.amount = 12.5;
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
    const ExpenseArray entries = parse(readFileBytes(testDataPath(QStringLiteral("database/mixed.tfx"))));
    expectMatchesReference(serialize(entries), QStringLiteral("database/mixed.expected.tfx"));
    // What the program wrote reads back to the same file.
    EXPECT_EQ(serialize(parse(serialize(entries))), serialize(entries));
}

TEST(DatabaseGolden, EveryFileTheProgramWroteReadsAndWritesBackByteForByte)
{
    const QDir data(testDataPath(QString()));
    int files = 0;
    for (const QString& folder : data.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        for (const QString& name : QDir(data.filePath(folder)).entryList({QStringLiteral("*.tfx")})) {
            const QByteArray bytes = readFileBytes(data.filePath(folder + u'/' + name));
            // A file as the program writes it starts with the header; the others, and the mixed file
            // read above, are made by hand.
            if (!bytes.startsWith(QByteArray(kDatabaseHeader.data(), kDatabaseHeader.size())) ||
                name == u"mixed.tfx")
                continue;
            const QByteArray again = serialize(parse(bytes));
            // A converted old file keeps a blank entry, which the next read drops; after that it stays.
            if (folder == u"oldformat")
                EXPECT_EQ(serialize(parse(again)), again) << name.toStdString();
            else
                EXPECT_EQ(again, bytes) << folder.toStdString() << '/' << name.toStdString();
            ++files;
        }
    }
    EXPECT_GE(files, 5);
}

TEST(DatabaseFormat, AnEntryLineHasThirteenTabSeparatedFields)
{
    ExpenseArray entries;
    entries.append(dinner());
    EXPECT_EQ(serialize(entries),
              QByteArray(kHeader) +
                  "item\t2010\t1\t3\tEUR\t12.50\tfalse\tDinner\tEmployer\tCash\ttrue\t0042\twith client\r\n");
}

TEST(DatabaseFormat, AnEmptyTableWritesTheHeaderOnlyAndReadsBackEmpty)
{
    const QByteArray written = serialize(ExpenseArray());
    EXPECT_EQ(written, QByteArray(kHeader));
    EXPECT_EQ(parse(written).count(), 0);
}

TEST(DatabaseFormat, NoTextCanSplitALine)
{
    Expense entry = dinner();
    entry.type = QStringLiteral("Din\tner");
    entry.note = QStringLiteral("two\r\nlines\rand\nmore");
    entry.currency = QStringLiteral("E\tUR");
    ExpenseArray entries;
    entries.append(entry);
    const ExpenseArray back = parse(serialize(entries));
    ASSERT_EQ(back.count(), 1);
    EXPECT_EQ(back[0].type, u"Din ner");
    EXPECT_EQ(back[0].note, u"two  lines and more");
    EXPECT_EQ(back[0].currency, u"E UR");
}

TEST(DatabaseFormat, WritingAndReadingKeepsEntriesUpToTheirStoredForm)
{
    Expense entry = dinner();
    entry.type = QStringLiteral("  Caf\u00e9 \u20ac ");
    entry.amount = 1234.567;
    entry.date += 0.75; // the time of day is not stored
    entry.income = true;
    entry.justChanged = true;
    ExpenseArray entries;
    entries.append(entry);
    const ExpenseArray back = parse(serialize(entries));
    ASSERT_EQ(back.count(), 1);
    EXPECT_EQ(back[0].type, QStringLiteral("Caf\u00e9 \u20ac"));
    EXPECT_EQ(amountText(back[0].amount), u"1234.57");
    EXPECT_EQ(back[0].date, dayCountFromDate(2010, 1, 3));
    EXPECT_TRUE(back[0].income);
    EXPECT_FALSE(back[0].justChanged);
}

struct FieldCase
{
    const char* line;
    const char* what;
    std::function<void(const ExpenseArray&)> check;
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
     [](const ExpenseArray& e) {
         EXPECT_EQ(e.count(), 0);
     }},
    {"item\t\t\t\t\t5\r\n", "empty fields take their defaults",
     [](const ExpenseArray& e) {
         ASSERT_EQ(e.count(), 1);
         EXPECT_EQ(e[0].amount, 5.0);
         EXPECT_EQ(e[0].currency, u"US$");
         EXPECT_EQ(e[0].date, dayCountFromDate(2009, 1, 1));
         EXPECT_EQ(e[0].type, u"Unknown");
         EXPECT_EQ(e[0].intendedSource, u"Unknown");
         EXPECT_EQ(e[0].paidWith, u"Unknown");
         EXPECT_EQ(e[0].receipt, u"00");
         EXPECT_FALSE(e[0].hasReceipt);
         EXPECT_EQ(e[0].note, u"");
     }},
    {"ITEM\t2010\t1\t1\tEUR\t5\r\n", "the tag is lower case",
     [](const ExpenseArray& e) {
         EXPECT_EQ(e.count(), 0);
     }},
    {"  item \t2010\t1\t1\tEUR\t5\r\n", "the tag is trimmed",
     [](const ExpenseArray& e) {
         EXPECT_EQ(e.count(), 1);
     }},
    {"item\t2010\t1\t1\tEUR\t12,5\r\n", "a comma reads as the decimal point",
     [](const ExpenseArray& e) {
         EXPECT_EQ(e[0].amount, 12.5);
     }},
    {"item\t2010abc\t13\t1\tEUR\t5\r\n", "month 13 gives no date",
     [](const ExpenseArray& e) {
         EXPECT_EQ(e[0].date, 0.0);
     }},
    {"item\t2010abc\t2\t1\tEUR\t5\r\n", "the year is read up to the letters",
     [](const ExpenseArray& e) {
         EXPECT_EQ(e[0].date, dayCountFromDate(2010, 2, 1));
     }},
    {"item\t2011\t2\t29\tEUR\t5\r\n", "a day beyond the month gives no date",
     [](const ExpenseArray& e) {
         EXPECT_EQ(e[0].date, 0.0);
     }},
    {"item\t0\t0\t0\tEUR\t5\r\n", "zeros give no date",
     [](const ExpenseArray& e) {
         EXPECT_EQ(e[0].date, 0.0);
     }},
    {"item\t2010\t1\t1\tEUR\t5\tTRUE\tT\tS\tP\t True \r\n", "flags ignore case and spaces",
     [](const ExpenseArray& e) {
         EXPECT_TRUE(e[0].income);
         EXPECT_TRUE(e[0].hasReceipt);
     }},
    {"item\t2010\t1\t1\tEUR\t5\tyes\tT\tS\tP\t1\r\n", "only true is true",
     [](const ExpenseArray& e) {
         EXPECT_FALSE(e[0].income);
         EXPECT_FALSE(e[0].hasReceipt);
     }},
    {"item\t2010\t1\t1\tEUR\t0\tfalse\tUnknown\r\n", "a zero Unknown entry is dropped",
     [](const ExpenseArray& e) {
         EXPECT_EQ(e.count(), 0);
     }},
    {"item\t2010\t1\t1\tEUR\t0\tfalse\tunknown\r\n", "only the exact type Unknown is dropped",
     [](const ExpenseArray& e) {
         EXPECT_EQ(e.count(), 1);
     }},
    {"item\t2010\t1\t1\t   \t5\tfalse\t \r\n", "a field of spaces is an empty text, not a default",
     [](const ExpenseArray& e) {
         EXPECT_EQ(e[0].currency, u"");
         EXPECT_EQ(e[0].type, u"");
     }},
    {"item\t2010\t1\t1\tEUR\t1e400\r\n", "an amount beyond the limit reads as the limit",
     [](const ExpenseArray& e) {
         EXPECT_EQ(e[0].amount, kLargestStoredAmount);
     }},
    {"item\t2010\t1\t1\tEUR\t5\tfalse\tH\xf4tel\r\n", "a line that is not UTF-8 is Windows-1252",
     [](const ExpenseArray& e) {
         EXPECT_EQ(e[0].type, QStringView(u"H\u00f4tel"));
     }},
    {"item\t2010\t1\t1\tEUR\t5\tfalse\t\xc2\xa0"
     "Caf\xc3\xa9\xc2\xa0\r\n",
     "no-break spaces are trimmed too",
     [](const ExpenseArray& e) {
         EXPECT_EQ(e[0].type, QStringView(u"Caf\u00e9"));
     }},
    {"item\t2010\t1\t1\tEUR\t5\tfalse\tA\tB\tC\ttrue\t1\tN\textra\tfields\r\n",
     "fields after the thirteenth are ignored",
     [](const ExpenseArray& e) {
         EXPECT_EQ(e[0].note, u"N");
     }},
};

INSTANTIATE_TEST_SUITE_P(Fields, DatabaseLineRules, ::testing::ValuesIn(kLineCases));

TEST(DatabaseLines, EndAtCrLfLoneCrOrLoneLf)
{
    const ExpenseArray entries =
        parse("item\t2010\t1\t1\tEUR\t1\ritem\t2010\t1\t1\tEUR\t2\nitem\t2010\t1\t1\tEUR\t3\r\n\r\n\n"
              "item\t2010\t1\t1\tEUR\t4");
    ASSERT_EQ(entries.count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(entries[i].amount, i + 1.0);
}

TEST(DatabaseLines, ADroppedBlankLastLineLeavesASpareSlotThatTheNextAppendReuses)
{
    ExpenseArray entries = parse("item\t2010\t1\t1\tEUR\t1\r\nitem\r\nitem\t\t\t\t\t0\r\n");
    EXPECT_EQ(entries.count(), 1);
    EXPECT_EQ(entries.slotCount(), 2);
    Expense& added = entries.append();
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
    const ExpenseArray entries = parse(nasty);
    EXPECT_GE(entries.count(), 2);
    EXPECT_EQ(entries[0].currency, QStringView(u"E\0U\0R", 5).toString());
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
    state.databasePath = folder.file(QStringLiteral("none.tfx"));
    state.entries.append(dinner());
    EXPECT_TRUE(readDatabaseFile(state).ok());
    EXPECT_EQ(state.entryCount(), 0);
}

TEST_F(DatabaseFile, AFolderInPlaceOfTheFileIsReportedAndTheEntriesStay)
{
    state.databasePath = folder.path();
    state.entries.append(dinner());
    const FileResult result = readDatabaseFile(state);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.message().contains(folder.path()));
    EXPECT_EQ(state.entryCount(), 1);
}

TEST_F(DatabaseFile, WritesAndReadsBackThroughTheFile)
{
    state.databasePath = folder.file(QStringLiteral("data.tfx"));
    state.entries.append(dinner());
    ASSERT_TRUE(writeDatabaseFile(state).ok());
    AppState reread(test::pinnedLocale());
    reread.databasePath = state.databasePath;
    ASSERT_TRUE(readDatabaseFile(reread).ok());
    ASSERT_EQ(reread.entryCount(), 1);
    EXPECT_EQ(reread.entries[0], dinner());
}

TEST_F(DatabaseFile, KeepFileIfEmptyLeavesTheFileAloneOnlyWhileThereIsNoEntry)
{
    state.databasePath = folder.file(QStringLiteral("opened.txt"));
    writeFileBytes(state.databasePath, "some text file without entries\r\n");
    state.keepFileIfEmpty = true;
    ASSERT_TRUE(writeDatabaseFile(state).ok());
    EXPECT_EQ(readFileBytes(state.databasePath), QByteArray("some text file without entries\r\n"));

    state.entries.append(dinner());
    ASSERT_TRUE(writeDatabaseFile(state).ok());
    EXPECT_TRUE(readFileBytes(state.databasePath).startsWith(kHeader));
}

TEST_F(DatabaseFile, AFailedWriteIsReportedAndTheOldFileStaysWhole)
{
    state.databasePath = folder.file(QStringLiteral("data.tfx"));
    writeFileBytes(state.databasePath, "old file");
    writeFileBytes(folder.file(QStringLiteral("plain")), "x");
    state.entries.append(dinner());

    AppState elsewhere(test::pinnedLocale());
    elsewhere.entries.append(dinner());
    elsewhere.databasePath = folder.file(QStringLiteral("plain/data.tfx"));
    const FileResult result = writeDatabaseFile(elsewhere);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.message().contains(elsewhere.databasePath));
    EXPECT_EQ(elsewhere.entryCount(), 1);

    test::FailingDevice full(100);
    EXPECT_FALSE(writeDatabaseContent(full, state.entries, state.entryCount()));
    EXPECT_EQ(readFileBytes(state.databasePath), QByteArray("old file"));
}

TEST_F(DatabaseFile, LongPathsAreUsedWhole)
{
    QString deep = folder.path();
    while (deep.size() < 300)
        deep += QStringLiteral("/a-rather-long-folder-name");
    ASSERT_TRUE(QDir().mkpath(deep));
    state.databasePath = deep + QStringLiteral("/data.tfx");
    state.entries.append(dinner());
    ASSERT_TRUE(writeDatabaseFile(state).ok());
    EXPECT_TRUE(QFile::exists(state.databasePath));
    EXPECT_EQ(QDir(deep.left(255)).entryList(QDir::Files).size(), 0);
}

} // namespace
} // namespace tallyfox

namespace tallyfox {
namespace {

using test::readFileBytes;
using test::TempFolder;
using test::writeFileBytes;

ExpenseArray parsed(const QByteArray& content)
{
    ExpenseArray entries;
    parseDatabase(content, entries);
    return entries;
}

QByteArray written(const ExpenseArray& entries)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(writeDatabaseContent(buffer, entries, entries.count()));
    return buffer.data();
}

TEST(DatabaseRoundTrip, EmptyTextsStayEmptyInsteadOfTakingTheirDefaults)
{
    Expense blank;
    blank.date = dayCountFromDate(2010, 1, 3);
    ExpenseArray entries;
    entries.append(blank); // empty type and amount 0: must not read back as a dropped "Unknown" line
    const ExpenseArray back = parsed(written(entries));
    ASSERT_EQ(back.count(), 1);
    for (const StoredText* text : {&back[0].type, &back[0].currency, &back[0].intendedSource,
                                   &back[0].paidWith, &back[0].receipt, &back[0].note})
        EXPECT_TRUE(text->isEmpty()) << text->toStdString();
    EXPECT_EQ(written(back), written(entries));
}

TEST(DatabaseRoundTrip, AnUnknownEntryThatWritesAsZeroIsDroppedOnTheFirstRead)
{
    // The amount reads as 0.001 but is written as 0.00; keeping it would lose it on the next read instead.
    const ExpenseArray entries = parsed(
        "item\t2010\t1\t1\tEUR\t0.001\tfalse\tUnknown\r\nitem\t2010\t1\t1\tEUR\t0.005\tfalse\tUnknown\r\n");
    ASSERT_EQ(entries.count(), 1);
    EXPECT_EQ(amountText(entries[0].amount), u"0.01");
    EXPECT_EQ(parsed(written(entries)).count(), 1);
}

TEST_F(DatabaseFile, AReadForTotalsKeepsAllButReceiptNumbersAndNotes)
{
    state.databasePath = folder.file(QStringLiteral("data.tfx"));
    state.entries.append(dinner());
    ASSERT_TRUE(writeDatabaseFile(state).ok());
    AppState totals(test::pinnedLocale());
    totals.databasePath = state.databasePath;
    ASSERT_TRUE(readDatabaseFile(totals, nullptr, nullptr, DatabaseReadPurpose::Totals).ok());
    ASSERT_EQ(totals.entryCount(), 1);
    Expense expected = dinner();
    expected.receipt = QStringLiteral("00");
    expected.note.clear();
    EXPECT_EQ(totals.entries[0], expected);
}

// The file is read a quarter of a megabyte at a time: line ends cut by the chunk's end, and lines longer
// than a chunk, give the same entries as reading the whole content at once.
TEST(DatabaseChunkedReading, LinesAcrossChunkEndsReadAsInOnePiece)
{
    TempFolder folder;
    const qsizetype chunk = 1 << 18;
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
            state.databasePath = folder.file(QStringLiteral("chunks.tfx"));
            writeFileBytes(state.databasePath, content);
            ASSERT_TRUE(readDatabaseFile(state).ok());
            const ExpenseArray whole = parsed(content);
            ASSERT_EQ(state.entryCount(), whole.count());
            EXPECT_EQ(state.entryCount(), 4);
            for (int i = 0; i < whole.count(); ++i)
                EXPECT_EQ(state.entries[i], whole[i]) << "entry " << i;
        }
    }
}

// The room for the entries is guessed from the first chunk's lines; a file whose later lines are much
// shorter than its first ones still reads whole.
TEST(DatabaseChunkedReading, ShortLinesAfterLongOnesAllRead)
{
    TempFolder folder;
    const QByteArray longLine = "item\t2010\t1\t3\tEUR\t12.50\tfalse\tDinner\tEmployer\tCash\ttrue\t0042\t" +
                                QByteArray(4000, 'n') + "\r\n";
    const QByteArray shortLine = "item\t2010\t1\t3\tEUR\t1\r\n";
    QByteArray content = QByteArray(kHeader);
    int lines = 0;
    for (; content.size() < (1 << 20); ++lines)
        content += longLine;
    for (int i = 0; i < 200000; ++i, ++lines)
        content += shortLine;
    AppState state(test::pinnedLocale());
    state.databasePath = folder.file(QStringLiteral("mixed.tfx"));
    writeFileBytes(state.databasePath, content);
    ASSERT_TRUE(readDatabaseFile(state).ok());
    EXPECT_EQ(state.entryCount(), lines);
    EXPECT_EQ(state.entries[lines - 1], parsed(QByteArray(kHeader) + shortLine)[0]);
}

// A large file is read in two halves at once, cut at the first line end after its middle: wherever the
// middle falls in a line, even between CR and LF, the entries, their order and the file's hash are
// those of one pass.
TEST(DatabaseChunkedReading, ALargeFileReadInTwoHalvesGivesWhatOnePassGives)
{
    TempFolder folder;
    QByteArray lines;
    const qsizetype lineLength =
        QByteArray("item\t2010\t1\t3\tEUR\t12.50\tfalse\tDinner\t\t\ttrue\t1\tn0000000\r\n").size();
    for (int i = 0; lines.size() < (qsizetype(9) << 19); ++i)
        lines += "item\t2010\t1\t3\tEUR\t12.50\tfalse\tDinner\t\t\ttrue\t1\tn" +
                 QByteArray::number(i).rightJustified(7, '0') + "\r\n";
    for (qsizetype filler = 0; filler <= lineLength + 1; filler += filler == 3 ? lineLength - 6 : 1) {
        SCOPED_TRACE(filler);
        const QByteArray content = QByteArray(kHeader) +
                                   "item\t2010\t1\t3\tEUR\t1\tfalse\tTaxi\t\t\tfalse\t\t" +
                                   QByteArray(filler, 'f') + "\r\n" + lines;
        AppState state(test::pinnedLocale());
        state.databasePath = folder.file(QStringLiteral("large.tfx"));
        writeFileBytes(state.databasePath, content);
        DatabaseFileVersion version;
        DatabaseReadSummary summary;
        ASSERT_TRUE(readDatabaseFile(state, &version, &summary).ok());
        const ExpenseArray whole = parsed(content);
        ASSERT_EQ(state.entryCount(), whole.count());
        for (int i = 0; i < whole.count(); ++i)
            ASSERT_EQ(state.entries[i], whole[i]) << "entry " << i;
        EXPECT_EQ(version.hash, hashFile(state.databasePath));
        EXPECT_TRUE(summary.headerSeen);
        EXPECT_EQ(summary.entryLines, whole.count());
        EXPECT_EQ(summary.otherLines, 0);
    }
}

// Entries read into sinks reach the part sinks in file order, read as for totals (no receipt number, no
// note), and none stay in the state.
TEST(DatabaseChunkedReading, ASummedReadHandsEveryEntryToItsPartInFileOrder)
{
    struct Part final : EntrySink
    {
        ExpenseArray entries;
        void take(std::span<const Expense> taken) override
        {
            for (const Expense& entry : taken)
                entries.append(entry);
        }
    };
    struct Parts final : EntrySinks
    {
        std::vector<std::unique_ptr<Part>> parts;
        EntrySink& nextPart() override { return *parts.emplace_back(std::make_unique<Part>()); }
    };
    TempFolder folder;
    QByteArray content = kHeader;
    for (int i = 0; content.size() < (qsizetype(9) << 19); ++i)
        content += "item\t2010\t1\t" + QByteArray::number(i % 28 + 1) + "\tEUR\t" + QByteArray::number(i) +
                   "\tfalse\tT" + QByteArray::number(i % 7) + "\t\t\ttrue\t1\tn\xc3\xa9\r\n";
    AppState state(test::pinnedLocale());
    state.databasePath = folder.file(QStringLiteral("summed.tfx"));
    writeFileBytes(state.databasePath, content);
    Parts sinks;
    DatabaseReadSummary summary;
    ASSERT_TRUE(readDatabaseFile(state, nullptr, &summary, DatabaseReadPurpose::Totals, &sinks).ok());
    EXPECT_EQ(state.entryCount(), 0);
    ASSERT_EQ(sinks.parts.size(), 2U);
    ExpenseArray joined;
    for (const std::unique_ptr<Part>& part : sinks.parts)
        joined.appendAll(part->entries);
    const ExpenseArray whole = parse(content);
    ASSERT_EQ(joined.count(), whole.count());
    EXPECT_EQ(summary.entryLines, whole.count());
    for (int i = 0; i < whole.count(); ++i) {
        Expense expected = whole[i];
        expected.receipt = QStringLiteral("00");
        expected.note.clear();
        ASSERT_EQ(joined[i], expected) << i;
    }
}

// The type, source and payment method are known again by their bytes together; the same bytes in a line
// that is not UTF-8 elsewhere read as Windows-1252.
TEST(DatabaseLines, RepeatedTextsReadInTheirLinesEncoding)
{
    const QByteArray utf8Line = "item\t2010\t1\t1\tEUR\t5\tfalse\tCaf\xc3\xa9\tMe\tCash\ttrue\t1\tok\r\n";
    const QByteArray otherLine = "item\t2010\t1\t1\tEUR\t5\tfalse\tCaf\xc3\xa9\tMe\tCash\ttrue\t1\t\xe9\r\n";
    const ExpenseArray entries = parse(QByteArray(kHeader) + utf8Line + otherLine + utf8Line + otherLine);
    ASSERT_EQ(entries.count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(entries[i].type, i % 2 == 0 ? u"Caf\u00e9" : u"Caf\u00c3\u00a9") << i;
}

// The writer keeps the bytes of repeated texts; texts that land in the same place of its memory, in
// the fields of one entry and of the next, are each written as they are.
TEST(DatabaseFormat, TextsThatShareTheWritersMemoryAreEachWrittenWhole)
{
    const StoredText first(u"Coffee beans");
    StoredText second;
    for (int i = 0; second.isEmpty() || second.id() % 64 != first.id() % 64; ++i)
        second = QStringLiteral("Cash %1").arg(i);
    ExpenseArray entries;
    for (const auto& [type, paidWith] : {std::pair{first, second}, std::pair{second, first}}) {
        Expense entry = dinner();
        entry.type = type;
        entry.currency = paidWith;
        entry.intendedSource = type;
        entry.paidWith = paidWith;
        entry.receipt = type;
        entries.append(entry);
    }
    const ExpenseArray back = parse(serialize(entries));
    ASSERT_EQ(back.count(), 2);
    EXPECT_EQ(back[0], entries[0]);
    EXPECT_EQ(back[1], entries[1]);
}

// Many entries are written by two threads that take turns, a piece of lines each, the last one short:
// the file holds every line in order, as one writer makes them, and the hash of what was written is the
// file's.
TEST(DatabaseChunkedReading, ManyEntriesWriteInOrderAsOneWriterMakesThem)
{
    ExpenseArray entries;
    for (int i = 0; i < 120001; ++i) {
        Expense entry = dinner();
        entry.amount = i + 0.25;
        entry.date = dayCountFromDate(2000 + i % 30, 1 + i % 12, 1 + i % 28);
        entry.type = i % 3 == 0 ? QStringLiteral("Taxi") : QStringLiteral("Lunch");
        entry.note = StoredText::unshared(QStringLiteral("note %1").arg(i));
        entries.append(entry);
    }
    QByteArray expected = QByteArray(kDatabaseHeader.data(), kDatabaseHeader.size()) + "\r\n";
    {
        DatabaseLineWriter oneWriter(expected);
        for (const Expense& entry : entries)
            oneWriter.appendEntry(entry);
    }
    EXPECT_EQ(serialize(entries), expected);

    TempFolder folder;
    const QString path = folder.file(QStringLiteral("many.tfx"));
    DatabaseFileVersion version;
    ASSERT_TRUE(writeDatabaseEntries(path, entries, entries.count(), &version).ok());
    EXPECT_EQ(readFileBytes(path), expected);
    EXPECT_EQ(version.hash, hashFile(path));
}

// A file read for a change is written as a write makes it, whatever its unchanged lines are copied from,
// with its chunk ends and the cut between its two halves falling anywhere, CR LF ones included.
TEST(DatabaseChangeWrite, CopiesUnchangedLinesAndWritesWhatAWriteMakes)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("change.tfx"));
    ExpenseArray lines;
    for (int i = 0; i < 60000; ++i) {
        Expense entry = dinner();
        entry.amount = i + 0.5;
        entry.note = StoredText::unshared(QStringLiteral("note %1 caf\u00e9").arg(i));
        lines.append(entry);
    }
    // A longer first note moves every line on: by this much, a CR ends the first chunk of 1 MB.
    lines[0].note = QStringLiteral("f");
    const qsizetype crEndingChunk =
        (qsizetype(1) << 20) - 1 - serialize(lines).lastIndexOf('\r', (1 << 20) - 1);
    for (qsizetype filler : {qsizetype(0), qsizetype(1), crEndingChunk}) {
        SCOPED_TRACE(filler);
        ExpenseArray content = lines;
        content[0].note = QString(filler + 1, u'f');
        writeFileBytes(path, serialize(content));
        // Writes the state's entries with the lines kept; true when lines were copied.
        const auto writeBack = [&](const AppState& state, const StoredLines& kept) {
            DatabaseFileVersion version;
            EXPECT_TRUE(
                writeDatabaseEntries(path, state.entries, state.entryCount(), &version, nullptr, &kept).ok());
            EXPECT_EQ(readFileBytes(path), serialize(state.entries));
            return !version.hash.has_value();
        };
        const auto readForChange = [&](AppState& state) {
            state.databasePath = path;
            std::shared_ptr<const StoredLines> kept;
            EXPECT_TRUE(
                readDatabaseFile(state, nullptr, nullptr, DatabaseReadPurpose::Change, nullptr, &kept).ok());
            EXPECT_NE(kept, nullptr);
            return kept ? kept : std::make_shared<const StoredLines>();
        };

        AppState added(test::pinnedLocale());
        const std::shared_ptr<const StoredLines> addedLines = readForChange(added);
        EXPECT_EQ(addedLines->unchangedRuns(added.entries, added.entryCount()).first.entries,
                  content.count());
        added.entries.append(dinner());
        EXPECT_TRUE(writeBack(added, *addedLines));

        AppState edited(test::pinnedLocale());
        const std::shared_ptr<const StoredLines> editedLines = readForChange(edited);
        edited.entries[30000].amount += 1;
        edited.entries.removeAt(0);
        // The lines before and after the changed one are copied.
        const StoredLines::Runs runs = editedLines->unchangedRuns(edited.entries, edited.entryCount());
        EXPECT_EQ(runs.first.entries + runs.last.entries, edited.entryCount() - 1);
        EXPECT_TRUE(writeBack(edited, *editedLines));

        // Once someone else has written to the file, nothing is copied from it.
        AppState overwritten(test::pinnedLocale());
        const std::shared_ptr<const StoredLines> overwrittenLines = readForChange(overwritten);
        writeFileBytes(path, serialize(lines).left(1000));
        EXPECT_FALSE(writeBack(overwritten, *overwrittenLines));
    }
}

} // namespace
} // namespace tallyfox
