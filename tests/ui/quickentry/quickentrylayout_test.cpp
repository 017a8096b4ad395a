// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The quick entry's panels as laid out at the scale the tests run at (CTest runs them at 1 and 3): every
// control inside its panel, apart from the others, and wide enough for its text, in portrait, in landscape
// and in portrait again.
#include "quickentry/quickentryfixture.h"

#include <QAbstractButton>
#include <QLabel>

namespace tallyfox::test {
namespace {

class QuickEntryLayout : public QuickEntryFixture
{
protected:
    void checkPanel(const char* name) const
    {
        const auto* panel = child(name);
        ASSERT_TRUE(panel->isVisible());
        // The amount box starts a pixel left of the panel, as on the handheld.
        const QRect room = panel->rect().adjusted(-1, 0, 0, 0);
        QList<QWidget*> controls;
        for (QWidget* control : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (control->isVisible())
                controls << control;
        }
        ASSERT_FALSE(controls.isEmpty());
        for (const QWidget* control : controls) {
            SCOPED_TRACE(control->objectName().toStdString() + ' ' + control->metaObject()->className());
            EXPECT_TRUE(room.contains(control->geometry()));
            // Buttons are narrower than the style's preferred width; their captions fit all the same.
            if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
                EXPECT_GE(control->width(), button->fontMetrics().horizontalAdvance(button->text()) + 8);
            }
            if (qobject_cast<const QLabel*>(control)) {
                EXPECT_GE(control->width(), control->sizeHint().width());
            }
            // A note has descenders; the receipt number, in its 19-pixel edit, has digits.
            if (control->objectName() == u"noteEdit") {
                EXPECT_GE(control->height(), control->sizeHint().height());
            }
            for (const QWidget* other : controls) {
                if (other != control) {
                    EXPECT_FALSE(control->geometry().intersects(other->geometry()))
                        << other->objectName().toStdString();
                }
            }
        }
    }
};

TEST_F(QuickEntryLayout, ControlsFitTheirTextsAndDoNotOverlap)
{
    fields.hasReceipt = true;
    fields.currency = QStringLiteral("US$");
    fields.amountText = QStringLiteral("12.50");
    fields.note = QStringLiteral("Taxi, lunch, parking");
    enableOnly({7});
    for (const bool landscape : {false, true, false}) {
        SCOPED_TRACE(landscape ? "landscape" : "portrait");
        form->resize(landscape ? QSize(320, 240) : QSize(240, 320));
        const auto close = [this] {
            form->closeWith(FormBase::kResultCancel);
        };
        runAmount([&] {
            checkPanel("amountPanel");
            close();
        });
        runDate(fields.date, [&] {
            checkPanel("datePanel");
            // The day's name, "Today" and "OK" stand below the boxes, or right of them in landscape.
            const QRect boxes =
                child("dayBox")->geometry() | child("monthBox")->geometry() | child("yearBox")->geometry();
            for (const char* name : {"weekdayLabel", "todayButton", "dateOkButton"}) {
                const QRect control = child(name)->geometry();
                EXPECT_TRUE(landscape ? control.left() > boxes.right() : control.top() > boxes.bottom())
                    << name;
            }
            close();
        });
        runWizard([&] {
            checkPanel("notePanel");
            close();
        });
    }
}

} // namespace
} // namespace tallyfox::test
