#include "storage/databaseline.h"

#include <QByteArray>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

struct LineEnd
{
    const char* bytes;
    const char* name;
};

// A line end and the next line, whose tabs and bytes beyond ASCII belong to it alone, or the end of the
// content.
constexpr LineEnd kLineEnds[] = {{"\r\nn\xc3\xa9\t\t", "CR LF"},
                                 {"\nn\xc3\xa9\t\t", "LF"},
                                 {"\rn\xc3\xa9\t\t", "CR"},
                                 {"", "end of content"}};

// The same line read with a tag of every length up to two blocks of sixteen bytes and with each line
// end, so that tabs, line ends and bytes beyond ASCII fall at every place in a block.
TEST(DatabaseLineFields, AreFoundWhereverTheyFallAndNamed)
{
    using enum DatabaseField;
    for (const LineEnd& lineEnd : kLineEnds) {
        for (int padding = 0; padding <= 32; ++padding) {
            for (const bool beyondAscii : {false, true}) {
                const QByteArray tag = QByteArray(padding, 'x') + "item";
                const QByteArray note = beyondAscii ? "caf\xc3\xa9" : "cafe";
                const QByteArray text =
                    tag + "\t2010\t1\t3\tEUR\t12.50\tfalse\tDinner\tEmployer\tCash\ttrue\t0042\t" + note +
                    "\textra\tfields";
                const QByteArray content = text + lineEnd.bytes;
                SCOPED_TRACE(testing::Message() << lineEnd.name << ", padding " << padding);

                DatabaseLine line;
                const char* next =
                    readDatabaseLine(content.constData(), content.constData() + content.size(), line);
                EXPECT_EQ(line.text, text);
                EXPECT_EQ(line.ascii, !beyondAscii);
                EXPECT_EQ(line.field(Tag), tag);
                EXPECT_EQ(line.field(Year), "2010");
                EXPECT_EQ(line.field(Month), "1");
                EXPECT_EQ(line.field(Day), "3");
                EXPECT_EQ(line.field(Currency), "EUR");
                EXPECT_EQ(line.field(Amount), "12.50");
                EXPECT_EQ(line.field(Income), "false");
                EXPECT_EQ(line.field(Type), "Dinner");
                EXPECT_EQ(line.field(IntendedSource), "Employer");
                EXPECT_EQ(line.field(PaidWith), "Cash");
                EXPECT_EQ(line.field(HasReceipt), "true");
                EXPECT_EQ(line.field(Receipt), "0042");
                // Fields after the note are ignored.
                EXPECT_EQ(line.field(Note), note);
                const QByteArrayView rest(next, content.constData() + content.size() - next);
                EXPECT_EQ(rest, *lineEnd.bytes != '\0' ? QByteArrayView("n\xc3\xa9\t\t") : QByteArrayView());
            }
        }
    }
}

TEST(DatabaseLineFields, FieldsAfterTheLastTabAreEmpty)
{
    using enum DatabaseField;
    const QByteArray content = "item\t2010\t\t3 and some more bytes\r\nitem";
    DatabaseLine line;
    (void)readDatabaseLine(content.constData(), content.constData() + content.size(), line);
    EXPECT_EQ(line.field(Year), "2010");
    EXPECT_TRUE(line.field(Month).isEmpty());
    EXPECT_EQ(line.field(Day), "3 and some more bytes");
    for (const DatabaseField after : {Currency, Amount, Type, Note})
        EXPECT_TRUE(line.field(after).isEmpty());
}

TEST(DatabaseLineFields, LineFeedsAreCounted)
{
    EXPECT_EQ(countLineFeeds(""), 0);
    EXPECT_EQ(countLineFeeds("no line end"), 0);
    EXPECT_EQ(countLineFeeds("\n"), 1);
    EXPECT_EQ(countLineFeeds("a\r\nb\rc\n\nd"), 3);
    EXPECT_EQ(countLineFeeds(QByteArray(1000, '\n') + "x"), 1000);
}

} // namespace
} // namespace tallyfox
