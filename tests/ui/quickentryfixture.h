#pragma once

#include "core/appstate.h"
#include "money/currencytable.h"
#include "platform/clock.h"
#include "platform/registry.h"
#include "session/session.h"
#include "support/testenvironment.h"
#include "toolkit/softkeybar.h"
#include "ui/editorfields.h"
#include "ui/quickentryform.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Readable failures for texts, dates and positions.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QDate& date, std::ostream* out)
{
    *out << date.toString(Qt::ISODate).toStdString();
}

inline void PrintTo(const QDateTime& date, std::ostream* out)
{
    *out << date.toString(Qt::ISODate).toStdString();
}

inline void PrintTo(const QPoint& point, std::ostream* out)
{
    *out << '(' << point.x() << ", " << point.y() << ')';
}

namespace tallyfox::test {

// The quick entry over a session of its own: a registry file in a fresh folder, a pinned clock and
// locale, the currencies EUR (primary), US$ and GBP, and the fields of a new entry as the item editor
// presets them.
class QuickEntryFixture : public ::testing::Test
{
protected:
    explicit QuickEntryFixture(const QLocale& locale = pinnedLocale())
        : state(locale), session(state, Clock(kNow), registry)
    {
        buildCurrencyTable(state,
                           {QStringLiteral("EUR=1"), QStringLiteral("US$=1.44"), QStringLiteral("GBP=0.89")});
        fields.date = kNow;
        fields.currency = QStringLiteral("EUR");
        fields.paidWith = QStringLiteral("Cash");
        fields.intendedSource = QStringLiteral("Employer");
        fields.amountText = QStringLiteral("0.00");
        fields.receipt = QStringLiteral("1");
        form = std::make_unique<QuickEntryForm>(session);
    }

    static inline const QDateTime kNow{QDate(2010, 1, 3), QTime(12, 30, 45)};

    template <typename Widget> Widget* child(const char* name) const
    {
        auto* widget = form->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QPushButton* key(SoftKeyBar::Key which) const { return form->softKeys()->button(which); }
    void tapKey(SoftKeyBar::Key which) const { QTest::mouseClick(key(which), Qt::LeftButton); }
    QString caption(SoftKeyBar::Key which) const { return key(which)->text(); }

    // A key as the user presses it: to the control that has the focus.
    void press(int keyCode) const
    {
        QWidget* target = form->focusWidget() ? form->focusWidget() : form.get();
        QTest::keyClick(target, static_cast<Qt::Key>(keyCode));
    }

    // Runs the script once the modal form is on screen, then closes the form if the script left it open,
    // so that a failing test never hangs.
    void whileShown(const std::function<void()>& script)
    {
        QTimer::singleShot(0, form.get(), [this, script] {
            shown = form->isVisible();
            script();
            if (form->isVisible()) {
                leftOpen = true;
                form->closeWith(FormBase::kResultCancel);
            }
        });
    }

    void enableOnly(std::initializer_list<int> identifiers)
    {
        auto& enabled = state.settings.quickEnable;
        for (size_t i = 0; i < enabled.size(); ++i)
            enabled[i] = std::find(identifiers.begin(), identifiers.end(), kQuickStepIdentifiers[i]) !=
                         identifiers.end();
    }

    TempFolder folder;
    Registry registry{folder.file(QStringLiteral("registry.reg"))};
    AppState state;
    Session session;
    EditorFields fields;
    std::unique_ptr<QuickEntryForm> form;
    bool shown = false;
    bool leftOpen = false;
};

} // namespace tallyfox::test
