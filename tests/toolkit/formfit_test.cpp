// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// How forms and messages meet a desktop's screen (the test's screen is a desktop's, at scale 1 and 3):
// a form opens at its content's size and keeps a size the person gives it; a message form answers
// only "Yes" with yes.
#include "support/controls.h"
#include "toolkit/formbase.h"
#include "toolkit/formsizes.h"
#include "toolkit/messageform.h"
#include "toolkit/screenfit.h"
#include "toolkit/softkeybar.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace tallyfox {
namespace {

class KeptSizes : public FormSizes
{
public:
    std::map<QString, QSize> sizes;

    std::optional<QSize> size(const QString& form) const override
    {
        const auto found = sizes.find(form);
        return found == sizes.end() ? std::nullopt : std::optional<QSize>(found->second);
    }
    void remember(const QString& form, QSize size) override { sizes[form] = size; }
};

// Shows the form modally, runs the step while it is up, and closes it.
void whileShown(FormBase& form, const std::function<void()>& step)
{
    QTimer::singleShot(0, &form, [&] {
        step();
        form.closeWith(FormBase::kResultCancel);
    });
    EXPECT_EQ(form.showModal(), FormBase::kResultCancel);
}

QSize screenPixels(QSize scaled)
{
    const double scale = screenfit::scaleInEffect();
    return {int(std::lround(scaled.width() * scale)), int(std::lround(scaled.height() * scale))};
}

TEST(FormFit, ADesktopFormOpensAtItsContentsSizeAndKeepsTheSizeItWasGiven)
{
    KeptSizes sizes;
    FormBase form(QStringLiteral("Tallyfox"));
    form.setObjectName(QStringLiteral("purgeForm"));
    form.setSizeMemory(&sizes);
    form.place(new QPushButton(QStringLiteral("Pick")), 10, 20, 100, 30);
    const int keys = test::control<SoftKeyBar>(form, "softKeyBar")->sizeHint().height();
    EXPECT_EQ(form.sizeName(), u"PurgeForm");
    EXPECT_EQ(form.naturalSize(), QSize(116, 56 + keys));

    QSize opened;
    whileShown(form, [&] {
        opened = form.size();
        // Never smaller than its content while it is up, so that no control is cut.
        EXPECT_EQ(form.minimumSize(), form.naturalSize());
        form.resize(200, 150 + keys);
    });
    EXPECT_EQ(opened, form.naturalSize());
    ASSERT_EQ(sizes.sizes.count(QStringLiteral("PurgeForm")), 1u);
    EXPECT_EQ(sizes.sizes[QStringLiteral("PurgeForm")], screenPixels(QSize(200, 150 + keys)));

    // Opened again it keeps that size, and opened unchanged it stores nothing new.
    sizes.sizes.clear();
    whileShown(form, [&] { opened = form.size(); });
    EXPECT_EQ(opened, QSize(200, 150 + keys));
    EXPECT_TRUE(sizes.sizes.empty());

    // A new run's form opens at the size kept, within the screen.
    FormBase next(QStringLiteral("Tallyfox"));
    next.setObjectName(QStringLiteral("purgeForm"));
    next.setSizeMemory(&sizes);
    next.place(new QPushButton(QStringLiteral("Pick")), 10, 20, 100, 30);
    sizes.remember(QStringLiteral("PurgeForm"), screenPixels(QSize(180, 120)));
    whileShown(next, [&] { opened = next.size(); });
    EXPECT_EQ(
        opened,
        QSize(180, 120).boundedTo(next.screen()->availableGeometry().size()).expandedTo(next.naturalSize()));
}

TEST(FormFit, ASizeGivenBeforeTheFormOpensStays)
{
    KeptSizes sizes;
    sizes.remember(QStringLiteral("ItemForm"), QSize(600, 700));
    FormBase form(QStringLiteral("New item"));
    form.setObjectName(QStringLiteral("itemForm"));
    form.setSizeMemory(&sizes);
    form.place(new QPushButton(QStringLiteral("List")), 128, 116, 46, 20);
    form.resize(320, 240);
    QSize opened;
    whileShown(form, [&] { opened = form.size(); });
    EXPECT_EQ(opened, QSize(320, 240));
    EXPECT_TRUE(form.isLandscape());
}

struct Answer
{
    MessageForm::Kind kind;
    std::function<void(MessageForm&)> gesture;
    bool yes;
    const char* what;
};

TEST(MessageForm, OnlyYesOrOkAnswersYes)
{
    const auto tap = [](SoftKeyBar::Key key) {
        return [key](MessageForm& form) {
            QTest::mouseClick(test::control<SoftKeyBar>(form, "softKeyBar")->button(key), Qt::LeftButton);
        };
    };
    const auto press = [](Qt::Key key) {
        return [key](MessageForm& form) {
            QTest::keyClick(&form, key);
        };
    };
    const std::vector<Answer> answers = {
        {MessageForm::Kind::Question, tap(SoftKeyBar::Key::Left), true, "Yes"},
        {MessageForm::Kind::Question, tap(SoftKeyBar::Key::Right), false, "No"},
        {MessageForm::Kind::Question, press(Qt::Key_Return), false, "Enter"},
        {MessageForm::Kind::Question, press(Qt::Key_Escape), false, "Escape"},
        {MessageForm::Kind::Message, tap(SoftKeyBar::Key::Right), true, "OK"},
        {MessageForm::Kind::Message, press(Qt::Key_Return), true, "Enter on a message"},
    };
    for (const Answer& answer : answers) {
        SCOPED_TRACE(answer.what);
        const QString text = QStringLiteral("Do you really want to delete this entry?");
        MessageForm form(answer.kind, text);
        EXPECT_EQ(form.windowTitle(), u"Tallyfox");
        const auto* label = test::control<QLabel>(form, "messageText");
        EXPECT_EQ(label->text(), text);
        EXPECT_TRUE(label->wordWrap());
        const bool question = answer.kind == MessageForm::Kind::Question;
        const SoftKeyBar* keys = test::control<SoftKeyBar>(form, "softKeyBar");
        EXPECT_EQ(keys->caption(SoftKeyBar::Key::Left), question ? u"Yes" : u"");
        EXPECT_EQ(keys->caption(SoftKeyBar::Key::Right), question ? u"No" : u"OK");
        EXPECT_EQ(keys->isKeyEnabled(SoftKeyBar::Key::Left), question);
        QTimer::singleShot(0, &form, [&] { answer.gesture(form); });
        EXPECT_EQ(form.ask(), answer.yes);
    }
}

TEST(SoftKeyBar, ATooltipNamesTheKeyThatDoesWhatTheSoftKeyDoes)
{
    SoftKeyBar bar;
    bar.setCaption(SoftKeyBar::Key::Left, QStringLiteral("Cancel"));
    bar.setCaption(SoftKeyBar::Key::Right, QStringLiteral("OK"));
    EXPECT_EQ(bar.button(SoftKeyBar::Key::Left)->toolTip(), u"Cancel (Esc)");
    EXPECT_EQ(bar.button(SoftKeyBar::Key::Right)->toolTip(), u"OK (Enter)");
    bar.setCaption(SoftKeyBar::Key::Left, QStringLiteral("Previous"));
    EXPECT_EQ(bar.button(SoftKeyBar::Key::Left)->toolTip(), u"Previous");
    bar.setKeyHint(SoftKeyBar::Key::Right, QStringLiteral("Ctrl+N"));
    bar.setCaption(SoftKeyBar::Key::Right, QStringLiteral("New item"));
    EXPECT_EQ(bar.button(SoftKeyBar::Key::Right)->toolTip(), u"New item (Ctrl+N)");
    bar.setCaption(SoftKeyBar::Key::Left, QStringLiteral(" "));
    EXPECT_TRUE(bar.button(SoftKeyBar::Key::Left)->toolTip().isEmpty());
}

} // namespace
} // namespace tallyfox
