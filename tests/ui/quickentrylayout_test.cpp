// The quick entry's panels as laid out at the scale the tests run at (CTest runs them at 1 and 3): every
// control inside its panel, apart from the others, and wide enough for its text.
#include "quickentryfixture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

namespace tallyfox::test {
namespace {

struct PanelCase
{
    const char* panel;
    std::function<bool(QuickEntryForm&, EditorFields&)> open;
};

class QuickEntryLayout : public QuickEntryFixture, public ::testing::WithParamInterface<PanelCase>
{};

TEST_P(QuickEntryLayout, ControlsFitTheirTextsAndDoNotOverlap)
{
    const PanelCase& c = GetParam();
    fields.hasReceipt = true;
    fields.currency = QStringLiteral("US$");
    fields.amountText = QStringLiteral("12.50");
    fields.note = QStringLiteral("Taxi, lunch, parking");
    enableOnly({7});
    for (const bool landscape : {false, true}) {
        SCOPED_TRACE(landscape ? "landscape" : "portrait");
        form->resize(landscape ? QSize(320, 240) : QSize(240, 320));
        whileShown([&] {
            const auto* panel = child<QWidget>(c.panel);
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
                const std::string name =
                    (control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                                     : control->objectName())
                        .toStdString();
                EXPECT_TRUE(room.contains(control->geometry())) << name;
                // Buttons are narrower than the style's preferred width; their captions fit all the same.
                if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
                    EXPECT_GE(control->width(), button->fontMetrics().horizontalAdvance(button->text()) + 8)
                        << name;
                }
                if (qobject_cast<const QLabel*>(control)) {
                    EXPECT_GE(control->width(), control->sizeHint().width()) << name;
                }
                // A note has descenders; the receipt number, in its 19-pixel edit, has digits.
                if (control->objectName() == u"noteEdit") {
                    EXPECT_GE(control->height(), control->sizeHint().height()) << name;
                }
                for (const QWidget* other : controls) {
                    if (other != control) {
                        EXPECT_FALSE(control->geometry().intersects(other->geometry()))
                            << name << " overlaps " << other->objectName().toStdString();
                    }
                }
            }
            form->closeWith(FormBase::kResultCancel);
        });
        c.open(*form, fields);
        EXPECT_TRUE(shown);
    }
}

INSTANTIATE_TEST_SUITE_P(QuickEntry, QuickEntryLayout,
                         ::testing::Values(PanelCase{"amountPanel",
                                                     [](QuickEntryForm& form, EditorFields& fields) {
                                                         return form.editAmount(fields);
                                                     }},
                                           PanelCase{"datePanel",
                                                     [](QuickEntryForm& form, EditorFields& fields) {
                                                         return form.editDate(fields.date);
                                                     }},
                                           PanelCase{"notePanel",
                                                     [](QuickEntryForm& form, EditorFields& fields) {
                                                         form.startQuickEntry(fields);
                                                         return true;
                                                     }}),
                         [](const ::testing::TestParamInfo<PanelCase>& info) {
                             return std::string(info.param.panel);
                         });

} // namespace
} // namespace tallyfox::test
