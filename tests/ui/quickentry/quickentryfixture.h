// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/appstate.h"
#include "money/currencytable.h"
#include "platform/clock.h"
#include "platform/registry.h"
#include "session/session.h"
#include "support/controls.h"
#include "support/printers.h"
#include "support/testenvironment.h"
#include "toolkit/accessiblepaintbox.h"
#include "toolkit/softkeybar.h"
#include "ui/itemeditor/editorfields.h"
#include "ui/quickentry/quickentryform.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <source_location>
#include <type_traits>

namespace tallyfox::test {

using Key = SoftKeyBar::Key;
using Script = std::function<void()>;

// The quick entry over a session of its own: a registry file in a fresh folder, a pinned clock and
// locale, the currencies EUR (primary), US$ and GBP, and the fields of a new entry as the item editor
// presets them. The run* helpers open the form, play a script once it is on screen and check that the
// script closed it.
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
        // As the program does, before any box exists: an interface, once made, is kept for the box's life.
        installPaintBoxAccessibility();
        form = std::make_unique<QuickEntryForm>(session);
    }

    static inline const QDateTime kNow{QDate(2010, 1, 3), QTime(12, 30, 45)};

    // The form's controls, through test::control.
    template <typename Widget = QWidget>
    Widget* child(const char* name, const std::source_location& where = std::source_location::current()) const
    {
        return test::control<Widget>(*form, name, where);
    }
    SoftKeyBar* softKeys() const { return child<SoftKeyBar>("softKeyBar"); }

    void tapKey(Key which) const { QTest::mouseClick(softKeys()->button(which), Qt::LeftButton); }
    void tap(const char* name) const { QTest::mouseClick(child(name), Qt::LeftButton); }
    QString captions() const
    {
        return softKeys()->button(Key::Left)->text() + u'/' + softKeys()->button(Key::Right)->text();
    }

    // A key as the user presses it: to the control that has the focus.
    void press(int keyCode) const
    {
        QWidget* target = form->focusWidget() ? form->focusWidget() : form.get();
        QTest::keyClick(target, static_cast<Qt::Key>(keyCode));
    }

    QListWidget* list() const { return child<QListWidget>("listPanel"); }
    QStringList items() const
    {
        QStringList texts;
        for (int row = 0; row < list()->count(); ++row)
            texts << list()->item(row)->text();
        return texts;
    }
    void tapRow(int row) const
    {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualItemRect(list()->item(row)).center());
    }
    void tapItem(const QString& text) const
    {
        const int row = static_cast<int>(items().indexOf(text));
        ASSERT_GE(row, 0) << text.toStdString();
        tapRow(row);
    }

    // The panel on screen (a list with its items) and the soft keys' captions.
    QString screen() const
    {
        QString panel;
        for (const char* name : {"amountPanel", "datePanel", "listPanel", "notePanel"}) {
            if (child(name)->isVisible())
                panel += QString::fromLatin1(name);
        }
        if (panel == u"listPanel")
            panel += u':' + items().join(u'|');
        return QStringLiteral("%1 [%2]").arg(panel, captions());
    }

    // Runs the script once the modal form is on screen, then closes the form if the script left it open,
    // so that a failing test never hangs.
    void whileShown(const Script& script)
    {
        shown = leftOpen = false;
        QTimer::singleShot(0, form.get(), [this, script] {
            shown = form->isVisible();
            script();
            if (form->isVisible()) {
                leftOpen = true;
                form->closeWith(FormBase::kResultCancel);
            }
        });
    }

    bool run(const Script& script, const std::function<bool()>& open)
    {
        whileShown(script);
        const bool confirmed = open();
        EXPECT_TRUE(shown);
        EXPECT_FALSE(leftOpen) << "the script should close the form";
        return confirmed;
    }
    void runWizard(const Script& script)
    {
        run(script, [this] {
            form->startQuickEntry(fields);
            return true;
        });
    }
    bool runAmount(const Script& script)
    {
        return run(script, [this] { return form->editAmount(fields); });
    }
    bool runDate(QDateTime& date, const Script& script)
    {
        return run(script, [this, &date] { return form->editDate(date); });
    }
    bool runList(PickTarget target, const Script& script)
    {
        return run(script, [this, target] { return form->pickFromList(fields, target); });
    }

    void enableOnly(const std::vector<int>& identifiers)
    {
        auto& enabled = state.settings.quickEnable;
        for (size_t i = 0; i < enabled.size(); ++i)
            enabled[i] = std::find(identifiers.begin(), identifiers.end(),
                                   static_cast<int>(kQuickSteps[i])) != identifiers.end();
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
