// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "support/controls.h"
#include "toolkit/softkeybar.h"
#include "ui/about/aboutform.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

QString labelText(const AboutForm& form, const char* name)
{
    return test::control<QLabel>(form, name)->text();
}

TEST(AboutBox, NamesTheProductAndClosesOnlyWithOk)
{
    AboutForm form;
    EXPECT_EQ(form.windowTitle(), u"Tallyfox");
    EXPECT_EQ(labelText(form, "aboutTitle"), u"Tallyfox 0.95.3");
    EXPECT_EQ(labelText(form, "aboutAuthor"), u"The Tallyfox developers");
    EXPECT_EQ(labelText(form, "aboutAddress"), u"tallyfox.example.org");
    EXPECT_EQ(labelText(form, "aboutDate"), u"January 3rd, 2010");
    EXPECT_TRUE(labelText(form, "aboutInvitation").startsWith(u"If you like this program"));

    const SoftKeyBar* keys = test::control<SoftKeyBar>(form, "softKeyBar");
    QPushButton* blank = keys->button(SoftKeyBar::Key::Left);
    QPushButton* ok = keys->button(SoftKeyBar::Key::Right);
    EXPECT_EQ(blank->text(), u" ");
    EXPECT_FALSE(blank->isEnabled());
    EXPECT_EQ(ok->text(), u"OK");

    int result = 0;
    QTimer::singleShot(0, &form, [&] {
        QTest::mouseClick(blank, Qt::LeftButton);
        EXPECT_TRUE(form.isVisible()) << "the blank key does not react";
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    result = form.showModal();
    EXPECT_EQ(result, FormBase::kResultOk);
}

TEST(AboutBox, EveryLineShowsWholeAndApartFromTheOthers)
{
    AboutForm form;
    form.show();
    const QWidget* content = test::control<QWidget>(form, "formContent");
    const QList<QLabel*> labels = content->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 5);
    for (const QLabel* label : labels) {
        const QRect room = label->geometry();
        const int needed =
            label->wordWrap() ? label->heightForWidth(room.width()) : label->sizeHint().height();
        EXPECT_GE(room.height(), needed) << label->objectName().toStdString();
        EXPECT_GE(room.width(), label->wordWrap() ? 0 : label->sizeHint().width())
            << label->objectName().toStdString();
        EXPECT_TRUE(content->rect().contains(room)) << label->objectName().toStdString();
        for (const QLabel* other : labels) {
            if (other == label)
                continue;
            EXPECT_FALSE(room.intersects(other->geometry()))
                << label->objectName().toStdString() << " overlaps " << other->objectName().toStdString();
        }
    }
}

TEST(AboutBox, TurningTheScreenMovesNoLine)
{
    AboutForm form;
    form.show();
    const QRect title = test::control<QLabel>(form, "aboutTitle")->geometry();
    form.resize(320, 240);
    EXPECT_EQ(test::control<QLabel>(form, "aboutTitle")->geometry(), title);
}

} // namespace
} // namespace tallyfox
