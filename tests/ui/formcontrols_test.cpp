// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// What every form tells a phone's keyboard and a screen reader about its controls: the kind of keys each
// field takes, and a name for each control.
#include "accessibletree.h"
#include "mainwindow/mainformfixture.h"
#include "support/controls.h"
#include "toolkit/accessiblepaintbox.h"

#include <gtest/gtest.h>

namespace tallyfox::test {
namespace {

enum class Form
{
    Main,
    Item,
    QuickEntry,
    Options,
    Purge,
    ListEditor,
    Overview,
    Importer,
    About,
};

QWidget& formOf(Forms& forms, Form form)
{
    switch (form) {
    case Form::Main:
        return forms.main();
    case Form::Item:
        return forms.item();
    case Form::QuickEntry:
        return forms.quickEntry();
    case Form::Options:
        return forms.options();
    case Form::Purge:
        return forms.purge();
    case Form::ListEditor:
        return forms.listEditor();
    case Form::Overview:
        return forms.overview();
    case Form::Importer:
        return forms.importer();
    case Form::About:
        return forms.about();
    }
    return forms.main();
}

TEST(FormFields, AskThePhoneForTheKeysTheyTake)
{
    MainFormFixture fixture;
    fixture.start();
    const Qt::InputMethodHints date = Qt::ImhDate | Qt::ImhPreferNumbers;
    const struct
    {
        Form form;
        const char* field;
        Qt::InputMethodHints hints;
    } cases[] = {
        {Form::Item, "amountField", Qt::ImhFormattedNumbersOnly},
        {Form::Item, "digitAmountBox", Qt::ImhFormattedNumbersOnly},
        {Form::Item, "datePicker", date},
        {Form::QuickEntry, "receiptEdit", Qt::ImhPreferNumbers},
        {Form::QuickEntry, "digitAmountBox", Qt::ImhFormattedNumbersOnly},
        {Form::Options, "receiptEdit", Qt::ImhDigitsOnly},
        {Form::Purge, "purgeCutOff", date},
        {Form::ListEditor, "listRateBox", Qt::ImhFormattedNumbersOnly},
        {Form::Main, "filterFrom", date},
        {Form::Main, "filterTo", date},
    };
    for (const auto& field : cases) {
        SCOPED_TRACE(field.field);
        EXPECT_EQ(control<QWidget>(formOf(*fixture.forms, field.form), field.field)->inputMethodHints(),
                  field.hints);
    }
}

TEST(FormControls, AllHaveANameForScreenReaders)
{
    installPaintBoxAccessibility();
    MainFormFixture fixture;
    fixture.start();
    for (const Form form : {Form::Main, Form::Item, Form::QuickEntry, Form::Options, Form::Purge,
                            Form::ListEditor, Form::Overview, Form::Importer, Form::About}) {
        QWidget& widget = formOf(*fixture.forms, form);
        SCOPED_TRACE(widget.objectName().toStdString());
        EXPECT_EQ(unnamedControls(widget), QStringList());
    }
}

} // namespace
} // namespace tallyfox::test
