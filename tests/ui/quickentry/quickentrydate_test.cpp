// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The quick entry's date panel: taps on the day, month and year boxes, the day's name, "Today", the keys
// of a desk.
#include "quickentry/quickentryfixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>
#include <QLabel>

namespace tallyfox::test {
namespace {

// Where a finger lands in a box; the middle belongs to the upper half of the day and month boxes and to
// the left half of the year box.
enum class Spot
{
    Top,
    Middle,
    Bottom,
    Left,
    Right,
};

class QuickEntryDate : public QuickEntryFixture
{
protected:
    using QuickEntryFixture::QuickEntryFixture;

    void tapBox(const char* name, Spot spot) const
    {
        auto* box = child(name);
        const int w = box->width();
        const int h = box->height();
        const QPoint points[] = {{w / 2, 5}, {w / 2, h / 2}, {w / 2, h - 5}, {5, h / 2}, {w - 5, h / 2}};
        QTest::mouseClick(box, Qt::LeftButton, {}, points[static_cast<int>(spot)]);
    }
    QString weekday() const { return child<QLabel>("weekdayLabel")->text(); }
};

TEST_F(QuickEntryDate, TapsStepByTheBoxAndTheHalfTheyLandIn)
{
    const struct
    {
        const char* box;
        Spot spot;
        QDate expected;
    } cases[] = {
        {"dayBox", Spot::Top, {2010, 2, 1}},       {"dayBox", Spot::Middle, {2010, 2, 1}},
        {"dayBox", Spot::Bottom, {2010, 1, 30}},   {"monthBox", Spot::Top, {2010, 2, 28}},
        {"monthBox", Spot::Middle, {2010, 2, 28}}, {"monthBox", Spot::Bottom, {2009, 12, 31}},
        {"yearBox", Spot::Right, {2011, 1, 31}},   {"yearBox", Spot::Middle, {2009, 1, 31}},
        {"yearBox", Spot::Left, {2009, 1, 31}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.box << ' ' << static_cast<int>(c.spot));
        QDateTime date(QDate(2010, 1, 31), QTime(8, 15));
        EXPECT_TRUE(runDate(date, [&] {
            tapBox(c.box, c.spot);
            tapKey(Key::Right);
        }));
        EXPECT_EQ(date, QDateTime(c.expected, QTime(8, 15)));
    }
}

TEST_F(QuickEntryDate, TheDaysNameFollowsEveryChangeAndTodayTakesTheClock)
{
    QDateTime date(QDate(2001, 5, 6), QTime(7, 0));
    QStringList names;
    EXPECT_TRUE(runDate(date, [&] {
        names << weekday();
        tapBox("dayBox", Spot::Top);
        names << weekday();
        tapBox("yearBox", Spot::Right);
        names << weekday();
        tap("todayButton");
        names << weekday();
        tap("dateOkButton");
    }));
    // 6 May 2001, 7 May 2001, 7 May 2002, then today.
    EXPECT_EQ(names, (QStringList{u"Sunday"_qs, u"Monday"_qs, u"Tuesday"_qs, u"Sunday"_qs}));
    EXPECT_EQ(date, kNow);
}

class QuickEntryDateInGerman : public QuickEntryDate
{
protected:
    QuickEntryDateInGerman() : QuickEntryDate(QLocale(QLocale::German, QLocale::Germany)) {}
};

TEST_F(QuickEntryDateInGerman, NamesTheDayInTheUsersLanguageAndCancelWritesNothing)
{
    QDateTime date;
    EXPECT_FALSE(runDate(date, [&] {
        // Without a date the picker starts from now, a Sunday.
        EXPECT_EQ(child<QLabel>("weekdayLabel")->text(), u"Sonntag");
        tapBox("dayBox", Spot::Top);
        tapKey(Key::Left);
    }));
    EXPECT_FALSE(date.isValid());
}

TEST_F(QuickEntryDate, BoxesTakeTheArrowKeysAndTabGoesInReadingOrder)
{
    QDateTime date(QDate(2010, 1, 31), QTime(12, 0));
    EXPECT_TRUE(runDate(date, [&] {
        QStringList order;
        for (int i = 0; i < 5; ++i) {
            order << form->focusWidget()->objectName();
            press(Qt::Key_Tab);
        }
        order << form->focusWidget()->objectName();
        EXPECT_EQ(order, (QStringList{u"dayBox"_qs, u"monthBox"_qs, u"yearBox"_qs, u"todayButton"_qs,
                                      u"dateOkButton"_qs, u"dayBox"_qs}));
        // One day later, then one month earlier, then one year later.
        press(Qt::Key_Up);
        press(Qt::Key_Tab);
        press(Qt::Key_Down);
        press(Qt::Key_Tab);
        press(Qt::Key_Right);
        press(Qt::Key_Return);
    }));
    EXPECT_EQ(date.date(), QDate(2011, 1, 1));
}

TEST_F(QuickEntryDate, BoxesTellAScreenReaderTheirNumbersAndStepByItsActions)
{
    QDateTime date(QDate(2010, 1, 31), QTime(12, 0));
    EXPECT_TRUE(runDate(date, [&] {
        const struct
        {
            const char* box;
            const char* name;
            const char* value;
            double minimum;
            double maximum;
        } cases[] = {
            {"dayBox", "Day", "31", 1, 31},
            {"monthBox", "Month", "01", 1, 12},
            {"yearBox", "Year", "2010", 1, 9999},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.box);
            QAccessibleInterface* box = QAccessible::queryAccessibleInterface(child(c.box));
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->role(), QAccessible::SpinBox);
            EXPECT_EQ(box->text(QAccessible::Name), QLatin1String(c.name));
            EXPECT_EQ(box->text(QAccessible::Value), QLatin1String(c.value));
            ASSERT_NE(box->valueInterface(), nullptr);
            EXPECT_EQ(box->valueInterface()->currentValue().toDouble(),
                      QString::fromLatin1(c.value).toDouble());
            EXPECT_EQ(box->valueInterface()->minimumValue().toDouble(), c.minimum);
            EXPECT_EQ(box->valueInterface()->maximumValue().toDouble(), c.maximum);
        }
        // Increase does what Up does in each box: a day, a month and a year later.
        for (const char* name : {"dayBox", "monthBox", "yearBox"})
            QAccessible::queryAccessibleInterface(child(name))
                ->actionInterface()
                ->doAction(QAccessibleActionInterface::increaseAction());
        tap("dateOkButton");
    }));
    EXPECT_EQ(date.date(), QDate(2011, 3, 1));
}

} // namespace
} // namespace tallyfox::test
