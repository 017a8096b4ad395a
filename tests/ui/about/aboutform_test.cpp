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
    const auto* label = form.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QString();
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

    QPushButton* blank = form.softKeys()->button(SoftKeyBar::Key::Left);
    QPushButton* ok = form.softKeys()->button(SoftKeyBar::Key::Right);
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
    const QList<QLabel*> labels = form.content()->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 5);
    for (const QLabel* label : labels) {
        const QRect room = label->geometry();
        const int needed =
            label->wordWrap() ? label->heightForWidth(room.width()) : label->sizeHint().height();
        EXPECT_GE(room.height(), needed) << label->objectName().toStdString();
        EXPECT_GE(room.width(), label->wordWrap() ? 0 : label->sizeHint().width())
            << label->objectName().toStdString();
        EXPECT_TRUE(form.content()->rect().contains(room)) << label->objectName().toStdString();
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
    const QRect title = form.findChild<QLabel*>(QStringLiteral("aboutTitle"))->geometry();
    form.resize(320, 240);
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("aboutTitle"))->geometry(), title);
}

} // namespace
} // namespace tallyfox
