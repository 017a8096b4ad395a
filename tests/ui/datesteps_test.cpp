// The date panel's steps over month, year and leap-day boundaries, and at the ends of the calendar.
#include "ui/datesteps.h"

#include <gtest/gtest.h>

namespace tallyfox {
namespace {

enum class Unit
{
    Day,
    Month,
    Year,
};

struct StepCase
{
    const char* name;
    QDate from;
    Unit unit;
    int count;
    QDate expected;
};

class DateSteps : public ::testing::TestWithParam<StepCase>
{};

TEST_P(DateSteps, MovesTheDayAndKeepsTheTimeOfDay)
{
    const StepCase& c = GetParam();
    const QDateTime from(c.from, QTime(12, 30, 45));
    QDateTime result;
    switch (c.unit) {
    case Unit::Day:
        result = datesteps::addDays(from, c.count);
        break;
    case Unit::Month:
        result = datesteps::addMonths(from, c.count);
        break;
    case Unit::Year:
        result = datesteps::addYears(from, c.count);
        break;
    }
    EXPECT_EQ(result.date(), c.expected) << result.date().toString(Qt::ISODate).toStdString();
    EXPECT_EQ(result.time(), QTime(12, 30, 45));
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, DateSteps,
    ::testing::Values(StepCase{"DayIntoNextYear", {2009, 12, 31}, Unit::Day, 1, {2010, 1, 1}},
                      StepCase{"DayBackIntoLastYear", {2010, 1, 1}, Unit::Day, -1, {2009, 12, 31}},
                      StepCase{"DayIntoNextMonth", {2010, 4, 30}, Unit::Day, 1, {2010, 5, 1}},
                      StepCase{"DayBackToEndOfFebruary", {2010, 3, 1}, Unit::Day, -1, {2010, 2, 28}},
                      StepCase{"DayBackToLeapDay", {2008, 3, 1}, Unit::Day, -1, {2008, 2, 29}},
                      StepCase{"DayAfterLeapDay", {2008, 2, 29}, Unit::Day, 1, {2008, 3, 1}},
                      StepCase{"MonthBackClampsToFebruary", {2010, 3, 31}, Unit::Month, -1, {2010, 2, 28}},
                      StepCase{"MonthBackClampsToLeapDay", {2008, 3, 31}, Unit::Month, -1, {2008, 2, 29}},
                      StepCase{"MonthForwardClampsToFebruary", {2010, 1, 31}, Unit::Month, 1, {2010, 2, 28}},
                      StepCase{"MonthForwardClampsToThirty", {2010, 5, 31}, Unit::Month, 1, {2010, 6, 30}},
                      StepCase{"MonthIntoNextYear", {2009, 12, 15}, Unit::Month, 1, {2010, 1, 15}},
                      StepCase{"MonthBackIntoLastYear", {2010, 1, 15}, Unit::Month, -1, {2009, 12, 15}},
                      StepCase{"YearFromLeapDay", {2008, 2, 29}, Unit::Year, 1, {2009, 2, 28}},
                      StepCase{"YearBackFromLeapDay", {2008, 2, 29}, Unit::Year, -1, {2007, 2, 28}},
                      StepCase{"YearToAnotherLeapYear", {2008, 2, 29}, Unit::Year, 4, {2012, 2, 29}},
                      StepCase{"YearKeepsOtherDays", {2010, 12, 31}, Unit::Year, 1, {2011, 12, 31}},
                      StepCase{"NoDayAfterTheLast", {9999, 12, 31}, Unit::Day, 1, {9999, 12, 31}},
                      StepCase{"NoDayBeforeTheFirst", {1, 1, 1}, Unit::Day, -1, {1, 1, 1}},
                      StepCase{"NoMonthBeforeTheFirst", {1, 1, 15}, Unit::Month, -1, {1, 1, 15}},
                      StepCase{"NoMonthAfterTheLast", {9999, 12, 1}, Unit::Month, 1, {9999, 12, 1}},
                      StepCase{"NoYearAfterTheLast", {9999, 6, 1}, Unit::Year, 1, {9999, 6, 1}},
                      StepCase{"NoYearBeforeTheFirst", {1, 6, 1}, Unit::Year, -1, {1, 6, 1}}),
    [](const ::testing::TestParamInfo<StepCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tallyfox
