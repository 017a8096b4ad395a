// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The date panel's steps over month, year and leap-day boundaries, and at the ends of the calendar, and
// its painted boxes.
#include "support/recordingcanvas.h"
#include "ui/quickentry/dateboxes.h"
#include "ui/quickentry/datesteps.h"

#include <gtest/gtest.h>

namespace tallyfox {
namespace {

TEST(DateSteps, MoveTheDayByTheCalendarAndKeepTheTimeOfDay)
{
    const auto day = &datesteps::addDays;
    const auto month = &datesteps::addMonths;
    const auto year = &datesteps::addYears;
    const struct
    {
        QDate from;
        QDateTime (*step)(const QDateTime&, int);
        int count;
        QDate expected;
    } cases[] = {
        {{2009, 12, 31}, day, 1, {2010, 1, 1}},
        {{2010, 1, 1}, day, -1, {2009, 12, 31}},
        {{2010, 4, 30}, day, 1, {2010, 5, 1}},
        {{2010, 3, 1}, day, -1, {2010, 2, 28}},
        {{2008, 3, 1}, day, -1, {2008, 2, 29}},
        {{2008, 2, 29}, day, 1, {2008, 3, 1}},
        {{2010, 3, 31}, month, -1, {2010, 2, 28}},
        {{2008, 3, 31}, month, -1, {2008, 2, 29}},
        {{2010, 1, 31}, month, 1, {2010, 2, 28}},
        {{2010, 5, 31}, month, 1, {2010, 6, 30}},
        {{2009, 12, 15}, month, 1, {2010, 1, 15}},
        {{2010, 1, 15}, month, -1, {2009, 12, 15}},
        {{2008, 2, 29}, year, 1, {2009, 2, 28}},
        {{2008, 2, 29}, year, -1, {2007, 2, 28}},
        {{2008, 2, 29}, year, 4, {2012, 2, 29}},
        {{2010, 12, 31}, year, 1, {2011, 12, 31}},
        // No step beyond either end of the calendar.
        {{9999, 12, 31}, day, 1, {9999, 12, 31}},
        {{1, 1, 1}, day, -1, {1, 1, 1}},
        {{1, 1, 15}, month, -1, {1, 1, 15}},
        {{9999, 12, 1}, month, 1, {9999, 12, 1}},
        {{9999, 6, 1}, year, 1, {9999, 6, 1}},
        {{1, 6, 1}, year, -1, {1, 6, 1}},
    };
    for (const auto& c : cases) {
        const QDateTime result = c.step(QDateTime(c.from, QTime(12, 30, 45)), c.count);
        const std::string trace = c.from.toString(Qt::ISODate).toStdString() + ' ' + std::to_string(c.count);
        EXPECT_EQ(result.date(), c.expected)
            << trace << " gave " << result.date().toString(Qt::ISODate).toStdString();
        EXPECT_EQ(result.time(), QTime(12, 30, 45)) << trace;
    }
}

TEST(DateBoxes, ShowTheirNumberInAFrameThatMarksTheFocus)
{
    for (const bool focused : {false, true}) {
        test::RecordingCanvas canvas;
        dateboxes::paintUpDown(canvas, 60, 80, QStringLiteral("29"), focused);
        EXPECT_EQ(canvas.only(QStringLiteral("centred")),
                  QStringList{QStringLiteral("centred 0,0 60x80 29")});
        const QString frame = QStringLiteral("poly 1,1 59,1 59,79 1,79 1,1");
        EXPECT_EQ(canvas.penBefore(frame),
                  focused ? QStringLiteral("pen 4 3070c0") : QStringLiteral("pen 2 000000"));
    }
}

} // namespace
} // namespace tallyfox
