// What every form tells a screen reader about its controls: a name for each.
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
