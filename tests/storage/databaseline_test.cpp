// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

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
TEST(DatabaseLineFields, AreFoundWhereverTheyFall)
{
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
                // Fields after the note are ignored.
                const QByteArrayView expected[] = {tag,     "2010",  "1",      "3",        "EUR",
                                                   "12.50", "false", "Dinner", "Employer", "Cash",
                                                   "true",  "0042",  note};
                for (int i = 0; i < DatabaseLine::kFieldCount; ++i)
                    EXPECT_EQ(line.field(DatabaseField(i)), expected[i]) << i;
                const QByteArrayView rest(next, content.constData() + content.size() - next);
                EXPECT_EQ(rest, *lineEnd.bytes != '\0' ? QByteArrayView("n\xc3\xa9\t\t") : QByteArrayView());
            }
        }
    }
}

// A reader that wants only the first fields stops looking for tabs after them: the later fields stay
// empty, the next line starts where it would, and bytes beyond ASCII after them may or may not count.
TEST(DatabaseLineFields, PastTheWantedOnesStayEmpty)
{
    const QByteArray text =
        "item\t2010\t1\t3\tEUR\t12.50\tfalse\tDinner\tEmployer\tCash\ttrue\t0042\tcaf\xc3\xa9";
    const QByteArray content = text + "\r\nnext";
    const QList<QByteArray> fields = text.split('\t');
    for (int wanted = 1; wanted <= DatabaseLine::kFieldCount; ++wanted) {
        DatabaseLine line;
        const char* next =
            readDatabaseLine(content.constData(), content.constData() + content.size(), line, wanted);
        EXPECT_EQ(QByteArrayView(next), "next") << wanted;
        EXPECT_EQ(line.text, text) << wanted;
        if (wanted == DatabaseLine::kFieldCount) {
            EXPECT_FALSE(line.ascii);
        }
        for (int i = 0; i < DatabaseLine::kFieldCount; ++i)
            EXPECT_EQ(line.field(DatabaseField(i)), i < wanted ? QByteArrayView(fields[i]) : QByteArrayView())
                << wanted << " " << i;
    }
    // Beyond ASCII within the wanted fields always counts.
    DatabaseLine line;
    const QByteArray foreign = "item\t2010\t1\t3\tEUR\t1\tfalse\tH\xf4tel\tx\ty\tz";
    (void)readDatabaseLine(foreign.constData(), foreign.constData() + foreign.size(), line, 8);
    EXPECT_FALSE(line.ascii);
    EXPECT_EQ(line.field(DatabaseField::Type), "H\xf4tel");
}

} // namespace
} // namespace tallyfox
