// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The long press: what a finger does between going down and the menu that a held press opens.
#include "toolkit/fingerscrolling.h"
#include "toolkit/longpress.h"

#include <QListWidget>
#include <QScroller>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace tallyfox {
namespace {

struct Step
{
    enum Kind
    {
        Press,
        Move,
        Release,
        // The list under the finger starts scrolling: the scroller takes the finger over.
        ListDrags,
    };
    Kind kind;
    QPoint at{};
};

struct Gesture
{
    const char* name;
    std::vector<Step> steps;
    // Where the menu opens, if it does.
    std::optional<QPoint> held;
};

class LongPressGestures : public ::testing::TestWithParam<Gesture>
{
protected:
    void SetUp() override
    {
        for (int i = 0; i < 100; ++i)
            list.addItem(QStringLiteral("Row %1").arg(i));
        list.resize(120, 160);
        fingerscrolling::enable(list);
        list.show();
        longPress.followScroller(QScroller::scroller(list.viewport()));
    }

    void dragList(QPoint from)
    {
        QScroller* scroller = QScroller::scroller(list.viewport());
        qint64 time = 1000;
        scroller->handleInput(QScroller::InputPress, from, time);
        for (int step = 1; step <= 10; ++step)
            scroller->handleInput(QScroller::InputMove, from - QPoint(0, 12 * step), time += 20);
        ASSERT_EQ(scroller->state(), QScroller::Dragging);
    }

    QListWidget list;
    LongPress longPress;
};

TEST_P(LongPressGestures, OnlyAFingerHeldStillOpensTheMenu)
{
    const Gesture& gesture = GetParam();
    QSignalSpy held(&longPress, &LongPress::held);
    QPoint origin;
    for (const Step& step : gesture.steps) {
        switch (step.kind) {
        case Step::Press:
            origin = step.at;
            longPress.press(step.at);
            break;
        case Step::Move:
            longPress.move(step.at);
            break;
        case Step::Release:
            longPress.release();
            break;
        case Step::ListDrags:
            dragList(origin);
            break;
        }
    }
    EXPECT_EQ(longPress.isPending(), gesture.held.has_value());
    EXPECT_EQ(longPress.timer().interval(), LongPress::kDelayMs);
    if (!gesture.held) {
        QCoreApplication::processEvents();
        EXPECT_TRUE(held.isEmpty());
        return;
    }
    // The press is due at once rather than waited for.
    longPress.timer().start(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !held.isEmpty(); }));
    ASSERT_EQ(held.count(), 1);
    EXPECT_EQ(held.at(0).at(0).toPoint(), *gesture.held);
}

const QPoint kAt(40, 60);

INSTANTIATE_TEST_SUITE_P(
    Fingers, LongPressGestures,
    ::testing::Values(
        Gesture{"HeldStill", {{Step::Press, kAt}}, kAt},
        Gesture{"TremblingWithinAFewMillimetres",
                {{Step::Press, kAt}, {Step::Move, kAt + QPoint(6, -7)}, {Step::Move, kAt + QPoint(-9, 0)}},
                kAt},
        Gesture{"MovedAway", {{Step::Press, kAt}, {Step::Move, kAt + QPoint(8, 8)}}, std::nullopt},
        Gesture{"MovedAwayAndBack",
                {{Step::Press, kAt}, {Step::Move, kAt + QPoint(0, 30)}, {Step::Move, kAt}},
                std::nullopt},
        Gesture{"Lifted", {{Step::Press, kAt}, {Step::Release}}, std::nullopt},
        Gesture{"DraggingTheList", {{Step::Press, kAt}, {Step::ListDrags}}, std::nullopt},
        Gesture{"PressedAgainAfterATap",
                {{Step::Press, kAt}, {Step::Release}, {Step::Press, kAt + QPoint(0, 40)}},
                kAt + QPoint(0, 40)}),
    [](const ::testing::TestParamInfo<Gesture>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tallyfox
