// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "core/appstate.h"
#include "session/entrymatcher.h"
#include "support/entrybuilder.h"
#include "support/testenvironment.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <vector>

namespace tallyfox {
namespace {

// Five entries whose every column differs, shown with the pinned locale's short dates (M/d/yy).
AppState matchedState()
{
    AppState state{test::pinnedLocale()};
    for (const test::EntryValues& values :
         std::initializer_list<test::EntryValues>{{.type = "Café",
         .amount = 12.5,
         .date = QDate(2024, 1, 31),
         .receipt = "R-17",
         .note = "Zürich Straße",
         .source = "Employer",
         .paidWith = "Visa"},
                                                  {.type = "Taxi",
                                                  .currency = "US$",
                                                  .amount = 8,
                                                  .date = QDate(2024, 2, 1),
                                                  .note = "airport",
                                                  .source = "Savings",
                                                  .paidWith = "Cash"},
                                                  {.type = "Salary",
                                                  .amount = 2500,
                                                  .income = true,
                                                  .date = QDate(2024, 2, 29),
                                                  .note = "ÆON bonus",
                                                  .source = "Employer",
                                                  .paidWith = "Bank"},
                                                  {.type = "taxi",
                                                  .currency = "GBP",
                                                  .amount = 23.75,
                                                  .date = QDate(2024, 3, 1),
                                                  .receipt = "0042",
                                                  .note = "ﬁne night",
                                                  .source = "Savings",
                                                  .paidWith = "Visa"},
                                                  {.type = "Lunch",
                                                  .amount = 12.5,
                                                  .date = QDate(2023, 12, 31),
                                                  .source = "Pocket money",
                                                  .paidWith = "Cash"}})
        state.entries.append(test::makeExpense(values));
    // An evening still lies on its day, at either end of a range.
    state.entries[2].date += 0.9;
    state.entries[4].date += 0.5;
    return state;
}

struct MatchCase
{
    const char* name;
    const char* text = "";
    std::optional<QDate> from{};
    std::optional<QDate> to{};
    std::optional<bool> income{};
    const char* type = nullptr;
    const char* currency = nullptr;
    const char* source = nullptr;
    const char* paidWith = nullptr;
    std::vector<int> rows;

    [[nodiscard]] EntryFilter filter() const
    {
        EntryFilter filter;
        filter.text = QString::fromUtf8(text);
        filter.from = from;
        filter.to = to;
        filter.income = income;
        const auto set = [&filter](FilterField field, const char* value) {
            if (value)
                filter.value(field) = QString::fromUtf8(value);
        };
        set(FilterField::Type, type);
        set(FilterField::Currency, currency);
        set(FilterField::IntendedSource, source);
        set(FilterField::PaidWith, paidWith);
        return filter;
    }
};

std::ostream& operator<<(std::ostream& out, const MatchCase& match)
{
    return out << match.name;
}

const MatchCase kMatchCases[] = {
    {.name = "NothingSetShowsAll", .rows = {0, 1, 2, 3, 4}},
    {.name = "BlanksOnlyShowAll", .text = "  \t ", .rows = {0, 1, 2, 3, 4}},
    {.name = "AccentOfTheEntryIgnored", .text = "cafe", .rows = {0}},
    {.name = "AccentTypedIgnored", .text = "CAFÉ", .rows = {0}},
    {.name = "UmlautFolds", .text = "zurich", .rows = {0}},
    {.name = "SharpSFindsDoubleS", .text = "STRASSE", .rows = {0}},
    {.name = "DoubleSFindsSharpS", .text = "straß", .rows = {0}},
    {.name = "LigatureAeSpeltPlainly", .text = "aeon", .rows = {2}},
    {.name = "LigatureFiSplit", .text = "fine", .rows = {3}},
    {.name = "CaseIgnoredInType", .text = "TaXi", .rows = {1, 3}},
    {.name = "NoteColumn", .text = "airport", .rows = {1}},
    {.name = "IntendedSourceColumn", .text = "pocket", .rows = {4}},
    {.name = "PaymentMethodColumn", .text = "visa", .rows = {0, 3}},
    {.name = "CurrencyColumn", .text = "us$", .rows = {1}},
    {.name = "ReceiptColumn", .text = "r-17", .rows = {0}},
    {.name = "ReceiptDigits", .text = "0042", .rows = {3}},
    {.name = "NoReceiptShowsADash", .text = "-", .rows = {0, 1, 2, 4}},
    {.name = "DateAsShown", .text = "2/29/24", .rows = {2}},
    {.name = "PartOfADate", .text = "/23", .rows = {4}},
    {.name = "AmountAsShown", .text = "12.50", .rows = {0, 4}},
    {.name = "AmountDecimals", .text = "23.75", .rows = {3}},
    {.name = "WordsCombineAcrossColumns", .text = "taxi visa", .rows = {3}},
    {.name = "ThreeWordsInThreeColumns", .text = "cash lunch 12.5", .rows = {4}},
    {.name = "EveryWordMustBeFound", .text = "taxi lunch", .rows = {}},
    {.name = "AWordLiesInOneColumn", .text = "eurcash", .rows = {}},
    {.name = "WordInNoColumn", .text = "zzz", .rows = {}},
    {.name = "MonthWithLastDayEvening", .from = QDate(2024, 2, 1), .to = QDate(2024, 2, 29), .rows = {1, 2}},
    {.name = "OneDayAtAMonthEnd", .from = QDate(2024, 1, 31), .to = QDate(2024, 1, 31), .rows = {0}},
    {.name = "ToTheYearEndInclusive", .to = QDate(2023, 12, 31), .rows = {4}},
    {.name = "FromAMonthStart", .from = QDate(2024, 3, 1), .rows = {3}},
    {.name = "FromAfterTo", .from = QDate(2024, 3, 1), .to = QDate(2024, 1, 1), .rows = {}},
    {.name = "IncomeOnly", .income = true, .rows = {2}},
    {.name = "ExpensesOnly", .income = false, .rows = {0, 1, 3, 4}},
    {.name = "TypeValueIgnoresCase", .type = "TAXI", .rows = {1, 3}},
    {.name = "TypeValueIgnoresAccents", .type = "cafe", .rows = {0}},
    {.name = "ValueIsTheWholeText", .type = "Tax", .rows = {}},
    {.name = "CurrencyValue", .currency = "eur", .rows = {0, 2, 4}},
    {.name = "SourceValue", .source = "Savings", .rows = {1, 3}},
    {.name = "PaymentValue", .paidWith = "cash", .rows = {1, 4}},
    {.name = "ValueOfAnotherColumnOnly", .currency = "Visa", .rows = {}},
    {.name = "TwoValues", .type = "taxi", .paidWith = "Visa", .rows = {3}},
    {.name = "RangeAndExpenses",
     .from = QDate(2024, 2, 1),
     .to = QDate(2024, 2, 29),
     .income = false,
     .rows = {1}},
    {.name = "WordAndRange", .text = "12.5", .from = QDate(2024, 1, 1), .rows = {0}},
    {.name = "WordAndValue", .text = "cafe", .currency = "GBP", .rows = {}},
    {.name = "EverythingAtOnce",
     .text = "night",
     .from = QDate(2024, 3, 1),
     .to = QDate(2024, 3, 31),
     .income = false,
     .type = "Taxi",
     .currency = "GBP",
     .source = "savings",
     .paidWith = "VISA",
     .rows = {3}},
};

class MatchingRules : public ::testing::TestWithParam<MatchCase>
{};

TEST_P(MatchingRules, LetThroughTheEntriesThatMatch)
{
    const AppState state = matchedState();
    EXPECT_EQ(matchingEntries(state, GetParam().filter()), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(Table, MatchingRules, ::testing::ValuesIn(kMatchCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The window keeps one matcher, which remembers words and rows from key to key: asked the whole table
// in turn, forwards and backwards, typed on letter by letter, and again after the entries changed, it
// answers as a fresh one does.
TEST(EntryMatcher, KeptFromKeyToKeyAnswersAsAFreshOne)
{
    AppState state = matchedState();
    EntryMatcher matcher;
    const auto askAll = [&] {
        std::vector<EntryFilter> filters;
        for (const MatchCase& match : kMatchCases) {
            EntryFilter filter = match.filter();
            for (qsizetype length = 1; length < filter.text.size(); ++length) {
                EntryFilter typing = filter;
                typing.text.truncate(length);
                filters.push_back(typing);
            }
            filters.push_back(filter);
        }
        for (int pass = 0; pass < 2; ++pass) {
            for (const EntryFilter& filter : filters)
                EXPECT_EQ(matcher.matchingRows(state, filter), matchingEntries(state, filter))
                    << filter.text.toStdString();
            std::reverse(filters.begin(), filters.end());
        }
    };
    askAll();
    state.entries[1].note = QStringLiteral("Café du port");
    state.entries.append(test::makeExpense({.type = "Straßenbahn", .currency = "GBP"}));
    std::swap(state.entries[0], state.entries[3]);
    matcher.invalidate();
    askAll();
}

TEST(EntryMatcher, TotalsConvertWhatIsShownAndTellWhenACurrencyHasNoRate)
{
    AppState state = matchedState();
    state.currencies.append({QStringLiteral("EUR"), 1.0});
    state.currencies.append({QStringLiteral("US$"), 2.0});
    EntryMatcher matcher;
    const std::vector<int> euroAndDollar = {0, 1, 2};
    const ShownTotals shown = matcher.totals(state, &euroAndDollar);
    EXPECT_EQ(shown.shown, 3);
    EXPECT_EQ(shown.total, 5);
    EXPECT_DOUBLE_EQ(shown.expenses, 12.5 + 8 / 2.0);
    EXPECT_DOUBLE_EQ(shown.income, 2500);
    EXPECT_FALSE(shown.notAllConverted);
    // The pound has no rate: its entries are left out of the sums, and that is said.
    const ShownTotals all = matcher.totals(state, nullptr);
    EXPECT_EQ(all.shown, 5);
    EXPECT_DOUBLE_EQ(all.expenses, 12.5 + 4 + 12.5);
    EXPECT_TRUE(all.notAllConverted);
}

} // namespace
} // namespace tallyfox
