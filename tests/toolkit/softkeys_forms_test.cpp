// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "support/controls.h"
#include "toolkit/canvas.h"
#include "toolkit/formbase.h"
#include "toolkit/paintbox.h"
#include "toolkit/softkeybar.h"

#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

TEST(SoftKeyBar, AKeyWithoutAMenuReportsItsPressOnlyWhileEnabled)
{
    SoftKeyBar bar;
    bar.setCaption(SoftKeyBar::Key::Right, QStringLiteral("OK"));
    bar.show();
    QSignalSpy pressed(&bar, &SoftKeyBar::keyPressed);
    QTest::mouseClick(bar.button(SoftKeyBar::Key::Right), Qt::LeftButton);
    ASSERT_EQ(pressed.count(), 1);
    EXPECT_EQ(pressed.at(0).at(0).value<SoftKeyBar::Key>(), SoftKeyBar::Key::Right);

    bar.setKeyEnabled(SoftKeyBar::Key::Right, false);
    QTest::mouseClick(bar.button(SoftKeyBar::Key::Right), Qt::LeftButton);
    EXPECT_EQ(pressed.count(), 1);
    EXPECT_EQ(bar.caption(SoftKeyBar::Key::Right), u"OK");
}

TEST(SoftKeyBar, AKeyWithAMenuOpensIt)
{
    SoftKeyBar bar;
    QMenu menu;
    menu.addAction(QStringLiteral("Exit"));
    bar.setMenu(SoftKeyBar::Key::Left, &menu);
    bar.show();
    QSignalSpy pressed(&bar, &SoftKeyBar::keyPressed);
    QTest::mouseClick(bar.button(SoftKeyBar::Key::Left), Qt::LeftButton);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(pressed.count(), 0);
    menu.hide();

    bar.setKeyEnabled(SoftKeyBar::Key::Left, false);
    EXPECT_FALSE(bar.openMenu(SoftKeyBar::Key::Left));
    EXPECT_FALSE(bar.openMenu(SoftKeyBar::Key::Right));
}

class OrientationProbe : public FormBase
{
public:
    OrientationProbe() : FormBase(QStringLiteral("Tallyfox")) {}
    QList<bool> changes;

protected:
    void orientationChanged(bool landscape) override { changes << landscape; }
};

TEST(FormBase, ShownModallyItReturnsOkOrCancel)
{
    FormBase form(QStringLiteral("Tallyfox"));
    EXPECT_EQ(form.windowTitle(), u"Tallyfox");
    QTimer::singleShot(0, &form, [&form] { form.closeWith(FormBase::kResultOk); });
    EXPECT_EQ(form.showModal(), FormBase::kResultOk);
    QTimer::singleShot(0, &form, [&form] { QTest::keyClick(&form, Qt::Key_Escape); });
    EXPECT_EQ(form.showModal(), FormBase::kResultCancel);
}

TEST(FormBase, TellsWhenItTurnsBetweenPortraitAndLandscape)
{
    OrientationProbe form;
    form.show();
    form.resize(240, 320);
    form.resize(320, 240);
    form.resize(330, 240);
    form.resize(240, 320);
    EXPECT_EQ(form.changes, (QList<bool>{true, false}));
    EXPECT_FALSE(form.isLandscape());
}

TEST(FormBase, PlacesControlsInDeviceIndependentPixelsThatQtScales)
{
    FormBase form(QStringLiteral("Tallyfox"));
    auto* button = new QPushButton;
    form.place(button, 10, 20, 100, 30);
    EXPECT_EQ(button->parentWidget(), test::control<QWidget>(form, "formContent"));
    EXPECT_EQ(button->geometry(), QRect(10, 20, 100, 30));
    EXPECT_EQ(form.size(), QSize(240, 320));
    // On screen the whole form is larger by the program's one factor, whatever runs the test.
    form.show();
    EXPECT_EQ(form.grab().size(), QSize(240, 320) * form.devicePixelRatio());
}

TEST(PaintBox, PaintsAndTapsInDeviceIndependentPixels)
{
    PaintBox box;
    box.resize(236, 100);
    QSize painted;
    QPoint tapped;
    box.setPaintHandler([&](Canvas& canvas, int width, int height) {
        canvas.fill(QRect(0, 0, width, height), 0xFFFFFF);
        canvas.setPen(4, 0xE0E0E0);
        canvas.polyline({{0, 0}, {width, height}});
        canvas.setFontHeight(20, true);
        canvas.textCentred(QRect(0, 0, width, height), QStringLiteral("7"));
        painted = QSize(width, height);
    });
    box.setTapHandler([&](int x, int y, int, int) { tapped = QPoint(x, y); });
    box.show();
    box.grab();
    EXPECT_EQ(painted, QSize(236, 100));
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(50, 75));
    EXPECT_EQ(tapped, QPoint(50, 75));
}

} // namespace
} // namespace tallyfox
