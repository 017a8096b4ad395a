#include "toolkit/canvas.h"
#include "toolkit/formbase.h"
#include "toolkit/paintbox.h"
#include "toolkit/softkeybar.h"
#include "toolkit/uiscale.h"

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
    SoftKeyBar bar{UiScale()};
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
    SoftKeyBar bar{UiScale()};
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
    OrientationProbe() : FormBase(QStringLiteral("Tallyfox"), UiScale()) {}
    QList<bool> changes;

protected:
    void orientationChanged(bool landscape) override { changes << landscape; }
};

TEST(FormBase, ShownModallyItReturnsOkOrCancel)
{
    FormBase form(QStringLiteral("Tallyfox"), UiScale());
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

TEST(FormBase, PlacesControlsInDeviceIndependentPixelsOfItsOwnScale)
{
    FormBase large(QStringLiteral("Tallyfox"), UiScale(2.0));
    FormBase plain(QStringLiteral("Tallyfox"), UiScale());
    auto* button = new QPushButton;
    large.place(button, 10, 20, 100, 30);
    EXPECT_EQ(button->parentWidget(), large.content());
    EXPECT_EQ(button->geometry(), QRect(20, 40, 200, 60));
    // A form of another scale beside it keeps its own.
    auto* other = new QPushButton;
    plain.place(other, 10, 20, 100, 30);
    EXPECT_EQ(other->geometry(), QRect(10, 20, 100, 30));
    EXPECT_EQ(large.size(), QSize(480, 640));
    EXPECT_EQ(plain.size(), QSize(240, 320));
}

TEST(UiScale, FactorsStayWithinTheirRange)
{
    EXPECT_EQ(UiScale(std::numeric_limits<double>::quiet_NaN()).factor(), UiScale::kMinimum);
    EXPECT_EQ(UiScale(100).factor(), UiScale::kMaximum);
    EXPECT_EQ(UiScale(0.5).factor(), UiScale::kMinimum);
    const UiScale scale(1.5);
    EXPECT_EQ(scale.px(3), 5);
    EXPECT_EQ(scale.rect(2, 4, 10, 3), QRect(3, 6, 15, 5));
    EXPECT_EQ(scale.toDips(QPoint(31, 29)), QPoint(20, 19));
    EXPECT_GE(UiScale::fitting(nullptr).factor(), UiScale::kMinimum);
}

TEST(PaintBox, PaintsAndTapsInDeviceIndependentPixels)
{
    PaintBox box(UiScale(2.0));
    box.resize(472, 200);
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
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(100, 150));
    EXPECT_EQ(tapped, QPoint(50, 75));
}

} // namespace
} // namespace tallyfox
