#include "session/picklists.h"
#include "sessionfixture.h"
#include "storage/defaultsfile.h"

#include <QDir>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::writeFileBytes;

class LoadPickLists : public test::SessionTest
{
protected:
    void writeDefaults(const QByteArray& content) const { writeFileBytes(defaultsFilePath(state), content); }
};

TEST_F(LoadPickLists, WithoutADefaultsFileTheBuiltInItemsStay)
{
    PickLists lists;
    loadPickLists(session, lists);
    EXPECT_EQ(lists, PickLists());
    EXPECT_EQ(lists.paymentMethods, (QStringList{"Cash", "Credit card", "Debit card"}));
    EXPECT_TRUE(session.takeMessages().isEmpty());
}

TEST_F(LoadPickLists, EachSectionThatHasLinesReplacesItsListByItemNames)
{
    writeDefaults("[Currencies]\r\nCHF = Primary\r\nEUR=0.66\r\n"
                  "[Expense types]\r\n  Taxi  \r\nHotel=Room\r\n\r\nFuel\r\n"
                  "[Intended sources]\r\n"
                  "[Notes]\r\nkept=as it is\r\n");
    PickLists lists;
    // What the editor showed before, from an earlier opening.
    lists.intendedSources = QStringList{"Earlier"};
    loadPickLists(session, lists);
    EXPECT_EQ(lists.currencies, (QStringList{"CHF", "EUR"}));
    EXPECT_EQ(lists.expenseTypes, (QStringList{"Taxi", "Hotel", "Fuel"}));
    // An empty section and a missing one leave their lists as they were.
    EXPECT_EQ(lists.intendedSources, QStringList{"Earlier"});
    EXPECT_EQ(lists.paymentMethods, PickLists().paymentMethods);
    EXPECT_TRUE(session.takeMessages().isEmpty());
}

TEST_F(LoadPickLists, AFileThatCannotBeReadIsReportedAndChangesNoList)
{
    QDir().mkpath(defaultsFilePath(state));
    PickLists lists;
    lists.expenseTypes = QStringList{"Earlier"};
    loadPickLists(session, lists);
    EXPECT_EQ(lists.expenseTypes, QStringList{"Earlier"});
    EXPECT_EQ(lists.currencies, PickLists().currencies);
    const QStringList problems = session.takeMessages();
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].contains(defaultsFilePath(state))) << problems[0].toStdString();
}

} // namespace
} // namespace tallyfox
