// The quick entry's date panel: taps on the day, month and year boxes, the day's name, "Today", the keys
// of a desk and the move into a right-hand column in landscape.
#include "quickentryfixture.h"

#include <QLabel>

namespace tallyfox::test {
namespace {

using Key = SoftKeyBar::Key;

enum class Spot
{
    Top,
    Middle,
    Bottom,
    Left,
    Centre,
    Right,
};

struct TapCase
{
    const char* name;
    QDate from;
    const char* box;
    Spot spot;
    QDate expected;
};

// Where a finger lands in a box: the upper and lower halves of the day and month boxes, the left and right
// halves of the year box, and the middle line, which belongs to the upper and left halves.
QPoint spotIn(const QWidget* box, Spot spot)
{
    const int w = box->width();
    const int h = box->height();
    switch (spot) {
    case Spot::Top:
        return {w / 2, 5};
    case Spot::Middle:
        return {w / 2, h / 2};
    case Spot::Bottom:
        return {w / 2, h - 5};
    case Spot::Left:
        return {5, h / 2};
    case Spot::Centre:
        return {w / 2, h / 2};
    case Spot::Right:
        return {w - 5, h / 2};
    }
    return {};
}

class DateTaps : public QuickEntryFixture, public ::testing::WithParamInterface<TapCase>
{};

TEST_P(DateTaps, StepTheDateByTheCalendar)
{
    const TapCase& c = GetParam();
    QDateTime date(c.from, QTime(8, 15, 0));
    whileShown([&] {
        auto* box = child<QWidget>(c.box);
        QTest::mouseClick(box, Qt::LeftButton, {}, spotIn(box, c.spot));
        tapKey(Key::Right);
    });
    EXPECT_TRUE(form->editDate(date));
    EXPECT_EQ(date.date(), c.expected) << date.date().toString(Qt::ISODate).toStdString();
    EXPECT_EQ(date.time(), QTime(8, 15, 0));
}

INSTANTIATE_TEST_SUITE_P(
    QuickEntryDate, DateTaps,
    ::testing::Values(
        TapCase{"DayUpIntoNextYear", {2009, 12, 31}, "dayBox", Spot::Top, {2010, 1, 1}},
        TapCase{"DayMiddleLineCountsAsUp", {2010, 1, 31}, "dayBox", Spot::Middle, {2010, 2, 1}},
        TapCase{"DayDownIntoLastYear", {2010, 1, 1}, "dayBox", Spot::Bottom, {2009, 12, 31}},
        TapCase{"DayDownToLeapDay", {2008, 3, 1}, "dayBox", Spot::Bottom, {2008, 2, 29}},
        TapCase{"MonthDownClampsTheDay", {2010, 3, 31}, "monthBox", Spot::Bottom, {2010, 2, 28}},
        TapCase{"MonthDownClampsToLeapDay", {2008, 3, 31}, "monthBox", Spot::Bottom, {2008, 2, 29}},
        TapCase{"MonthUpIntoNextYear", {2009, 12, 31}, "monthBox", Spot::Top, {2010, 1, 31}},
        TapCase{"MonthUpClampsTheDay", {2010, 1, 31}, "monthBox", Spot::Top, {2010, 2, 28}},
        TapCase{"YearRightFromLeapDay", {2008, 2, 29}, "yearBox", Spot::Right, {2009, 2, 28}},
        TapCase{"YearLeftFromLeapDay", {2008, 2, 29}, "yearBox", Spot::Left, {2007, 2, 28}},
        TapCase{"YearMiddleLineCountsAsLeft", {2010, 6, 15}, "yearBox", Spot::Centre, {2009, 6, 15}}),
    [](const ::testing::TestParamInfo<TapCase>& info) { return std::string(info.param.name); });

class QuickEntryDate : public QuickEntryFixture
{
protected:
    QString weekday() const { return child<QLabel>("weekdayLabel")->text(); }
};

TEST_F(QuickEntryDate, TheDaysNameFollowsEveryChange)
{
    QDateTime date = kNow;
    QStringList names;
    whileShown([&] {
        names << weekday();
        auto* day = child<QWidget>("dayBox");
        QTest::mouseClick(day, Qt::LeftButton, {}, spotIn(day, Spot::Top));
        names << weekday();
        auto* year = child<QWidget>("yearBox");
        QTest::mouseClick(year, Qt::LeftButton, {}, spotIn(year, Spot::Right));
        names << weekday();
        QTest::mouseClick(child<QWidget>("todayButton"), Qt::LeftButton);
        names << weekday();
        tapKey(Key::Left);
    });
    EXPECT_FALSE(form->editDate(date));
    // 3 January 2010, 4 January 2010, 4 January 2011, then today again.
    EXPECT_EQ(names, (QStringList{u"Sunday"_qs, u"Monday"_qs, u"Tuesday"_qs, u"Sunday"_qs}));
    EXPECT_EQ(date, kNow) << "Cancel writes nothing";
}

class QuickEntryDateInGerman : public QuickEntryFixture
{
protected:
    QuickEntryDateInGerman() : QuickEntryFixture(QLocale(QLocale::German, QLocale::Germany)) {}
};

TEST_F(QuickEntryDateInGerman, NamesTheDayInTheUsersLanguage)
{
    QDateTime date(QDate(2010, 1, 4), QTime(9, 0));
    QString name;
    whileShown([&] {
        name = child<QLabel>("weekdayLabel")->text();
        tapKey(Key::Left);
    });
    EXPECT_FALSE(form->editDate(date));
    EXPECT_EQ(name, u"Montag");
}

TEST_F(QuickEntryDate, TodayTakesTheClocksDateAndTime)
{
    QDateTime date(QDate(2001, 5, 6), QTime(7, 0));
    whileShown([&] {
        QTest::mouseClick(child<QWidget>("todayButton"), Qt::LeftButton);
        QTest::mouseClick(child<QWidget>("dateOkButton"), Qt::LeftButton);
    });
    EXPECT_TRUE(form->editDate(date));
    EXPECT_FALSE(leftOpen);
    EXPECT_EQ(date, kNow);
}

TEST_F(QuickEntryDate, BoxesTakeTheArrowKeysAndTabGoesInReadingOrder)
{
    QDateTime date(QDate(2010, 1, 31), QTime(12, 0));
    QStringList order;
    whileShown([&] {
        for (int i = 0; i < 5; ++i) {
            order << form->focusWidget()->objectName();
            press(Qt::Key_Tab);
        }
        // Back on the day box: one day later, then one month earlier, then one year later.
        EXPECT_EQ(form->focusWidget()->objectName(), u"dayBox");
        press(Qt::Key_Up);
        press(Qt::Key_Tab);
        press(Qt::Key_Down);
        press(Qt::Key_Tab);
        press(Qt::Key_Right);
        press(Qt::Key_Return);
    });
    EXPECT_TRUE(form->editDate(date));
    EXPECT_EQ(order, (QStringList{u"dayBox"_qs, u"monthBox"_qs, u"yearBox"_qs, u"todayButton"_qs,
                                  u"dateOkButton"_qs}));
    EXPECT_EQ(date.date(), QDate(2011, 1, 1));
}

TEST_F(QuickEntryDate, AnInvalidDateStartsFromNow)
{
    QDateTime date;
    whileShown([&] { press(Qt::Key_Return); });
    EXPECT_TRUE(form->editDate(date));
    EXPECT_EQ(date, kNow);
}

TEST_F(QuickEntryDate, LandscapeMovesTheNameTodayAndOkToTheRight)
{
    const auto positions = [this] {
        return QList<QPoint>{child<QWidget>("weekdayLabel")->pos(), child<QWidget>("todayButton")->pos(),
                             child<QWidget>("dateOkButton")->pos()};
    };
    QList<QPoint> portrait;
    QList<QPoint> landscape;
    QList<QPoint> portraitAgain;
    QRect panel;
    QList<QRect> movable;
    QList<QRect> boxes;
    QDateTime date = kNow;
    whileShown([&] {
        portrait = positions();
        form->resize(320, 240);
        landscape = positions();
        panel = child<QWidget>("datePanel")->rect();
        for (const char* name : {"weekdayLabel", "todayButton", "dateOkButton"})
            movable << child<QWidget>(name)->geometry();
        for (const char* name : {"dayBox", "monthBox", "yearBox"})
            boxes << child<QWidget>(name)->geometry();
        form->resize(240, 320);
        portraitAgain = positions();
        tapKey(Key::Left);
    });
    EXPECT_FALSE(form->editDate(date));
    EXPECT_EQ(portrait, (QList<QPoint>{{75, 179}, {11, 211}, {139, 211}}));
    EXPECT_EQ(landscape, (QList<QPoint>{{220, 6}, {220, 40}, {220, 100}}));
    EXPECT_EQ(portraitAgain, (QList<QPoint>{{78, 182}, {14, 214}, {142, 214}}));
    // In landscape they stay inside the panel and clear of the boxes.
    for (const QRect& control : movable) {
        EXPECT_TRUE(panel.contains(control));
        for (const QRect& box : boxes)
            EXPECT_FALSE(control.intersects(box));
    }
}

} // namespace
} // namespace tallyfox::test
