// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The import form as a person uses it: the preview of a statement with its rejected rows, the columns
// proposed from the header and changed, the order of day and month chosen, a large file read with the
// progress bar, and what the import stores and remembers.
#include "../session/sessionfixture.h"
#include "money/currencytable.h"
#include "support/controls.h"
#include "toolkit/scriptedprompts.h"
#include "toolkit/softkeybar.h"
#include "ui/importer/importform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <string_view>
#include <tuple>

namespace tallyfox {
namespace {

using Kind = ScriptedPrompts::Kind;
using test::control;
using test::testDataPath;
using test::writeFileBytes;

class ImportFormTest : public test::SessionTest
{
protected:
    ImportFormTest()
    {
        buildCurrencyTable(state, {QStringLiteral("EUR=Primary"), QStringLiteral("US$=1.44")});
    }

    [[nodiscard]] QStringList previewLines() const
    {
        QStringList lines;
        const auto* list = control<QListWidget>(form, "importPreview");
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        return lines;
    }
    [[nodiscard]] QString summary() const { return control<QLabel>(form, "importSummary")->text(); }
    [[nodiscard]] QPushButton* importKey() const
    {
        return control<SoftKeyBar>(form, "softKeyBar")->button(SoftKeyBar::Key::Right);
    }
    void choose(const char* box, const QString& text)
    {
        auto* combo = control<QComboBox>(form, box);
        const int index = combo->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        combo->setCurrentIndex(index);
    }

    ScriptedPrompts prompts;
    ImportForm form{session, prompts};
};

TEST_F(ImportFormTest, ThePreviewShowsTheRowsAsStoredAndEveryRejectedRow)
{
    ASSERT_TRUE(form.open(testDataPath(QStringLiteral("import/spreadsheet.csv"))));
    EXPECT_EQ(summary(), QStringLiteral("5 to import, 0 duplicates left out, 2 rejected"));
    const QStringList lines = previewLines();
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], QStringLiteral("Line 8: no amount"));
    EXPECT_EQ(lines[1], QStringLiteral("Line 9: date \"02/30/2023\" is not M/d/yyyy"));
    EXPECT_EQ(lines[2], QStringLiteral("1/3/23   EUR 3.50\nCoffee \u00b7 flat white, to go"));
    EXPECT_EQ(lines[3], QStringLiteral("1/13/23   EUR -2500.00\nSalary \u00b7 January pay"));
    EXPECT_EQ(control<QComboBox>(form, "typeColumn")->currentText(), QStringLiteral("3: Category"));
    EXPECT_EQ(control<QComboBox>(form, "noteColumn")->currentText(), QStringLiteral("5: Memo"));
    EXPECT_TRUE(control<QLabel>(form, "importDateNote")->isHidden()) << "1/13 tells the order";
    EXPECT_TRUE(importKey()->isEnabled());
}

TEST_F(ImportFormTest, ColumnsChosenChangeThePreviewAndAreRememberedOnImport)
{
    ASSERT_TRUE(form.open(testDataPath(QStringLiteral("import/spreadsheet.csv"))));
    choose("noteColumn", QStringLiteral("2: Payee"));
    choose("typeColumn", QStringLiteral("\u2014"));
    auto* type = control<QComboBox>(form, "importType");
    type->setEditText(QStringLiteral("Card"));
    Q_EMIT type->lineEdit()->editingFinished();
    control<QCheckBox>(form, "importNegativeIsIncome")->setChecked(true);
    EXPECT_EQ(previewLines()[2], QStringLiteral("1/3/23   EUR -3.50\nCard \u00b7 Corner Cafe"));

    QTest::mouseClick(importKey(), Qt::LeftButton);
    EXPECT_TRUE(form.isHidden());
    EXPECT_EQ(prompts.texts(Kind::Message),
              QStringList{QStringLiteral("5 imported, 0 duplicates left out, 2 rejected.")});
    ASSERT_EQ(state.entryCount(), 5);
    EXPECT_EQ(state.entries[0].note, QStringLiteral("Corner Cafe"));
    EXPECT_TRUE(state.entries[0].income);
    EXPECT_EQ(logTexts().size(), 5);

    // The same header opens with the same choices; the rows are there already.
    ImportForm again(session, prompts);
    ASSERT_TRUE(again.open(testDataPath(QStringLiteral("import/spreadsheet.csv"))));
    EXPECT_EQ(again.mapping().type, QStringLiteral("Card"));
    EXPECT_EQ(again.mapping().column(ImportField::Note), 1);
    EXPECT_TRUE(again.mapping().negativeIsIncome);
    EXPECT_EQ(control<QLabel>(again, "importSummary")->text(),
              QStringLiteral("0 to import, 5 duplicates left out, 2 rejected"));
}

TEST_F(ImportFormTest, AnUnclearDateOrderIsShownAsAChoice)
{
    const QString path = file(QStringLiteral("unclear.csv"));
    writeFileBytes(path, "Date,Amount,Note\n1/3/2023,-4.50,Kiosk\n2/1/2023,-1.20,Bus\n");
    ASSERT_TRUE(form.open(path));
    EXPECT_FALSE(control<QLabel>(form, "importDateNote")->isHidden());
    auto* dates = control<QComboBox>(form, "importDateFormat");
    EXPECT_EQ(dates->currentText(), QStringLiteral("M/d/yyyy"));
    EXPECT_EQ(dates->itemText(1), QStringLiteral("d/M/yyyy"));
    EXPECT_TRUE(previewLines()[0].startsWith(QStringLiteral("1/3/23 ")));
    dates->setCurrentIndex(1);
    EXPECT_EQ(form.mapping().dateFormat, QStringLiteral("d/M/yyyy"));
    EXPECT_TRUE(previewLines()[0].startsWith(QStringLiteral("3/1/23 "))) << previewLines()[0].toStdString();
}

TEST_F(ImportFormTest, AFileWithoutKnownColumnsWaitsForTheDateAndTheAmount)
{
    const QString path = file(QStringLiteral("odd.csv"));
    writeFileBytes(path, "Wann;Wieviel\n03.01.2023;-4,50\n");
    ASSERT_TRUE(form.open(path));
    EXPECT_EQ(summary(), QStringLiteral("Choose the columns of the date and the amount."));
    EXPECT_FALSE(importKey()->isEnabled());
    choose("dateColumn", QStringLiteral("1: Wann"));
    choose("amountColumn", QStringLiteral("2: Wieviel"));
    EXPECT_EQ(summary(), QStringLiteral("1 to import, 0 duplicates left out, 0 rejected"));
    EXPECT_EQ(control<QComboBox>(form, "importDecimalMark")->currentIndex(), 1) << "the comma is found";
    EXPECT_TRUE(importKey()->isEnabled());
}

TEST_F(ImportFormTest, ALargeFileIsReadWithTheProgressBarAndStoredInOneWrite)
{
    const QString path = file(QStringLiteral("large.csv"));
    QByteArray bytes = "Date,Amount,Note\n";
    const int rows = int(ImportForm::kRowsWithProgress) + 500;
    for (int i = 0; i < rows; ++i)
        bytes += QByteArray("2023-01-01,-") + QByteArray::number(i + 1) + ".00,row\n";
    writeFileBytes(path, bytes);
    ASSERT_TRUE(form.open(path));
    EXPECT_TRUE(control<QProgressBar>(form, "importProgress")->isHidden()) << "hidden once done";
    EXPECT_EQ(summary(), QStringLiteral("%1 to import, 0 duplicates left out, 0 rejected").arg(rows));
    EXPECT_EQ(previewLines().size(), ImportForm::kPreviewRows);
    // The bar follows the storing too, from the start to the end, never back.
    auto* bar = control<QProgressBar>(form, "importProgress");
    QList<int> values;
    QObject::connect(bar, &QProgressBar::valueChanged, bar, [&values](int value) { values << value; });
    EXPECT_TRUE(form.importRows());
    ASSERT_GE(values.size(), 3) << "it moves while the rows are stored";
    EXPECT_EQ(values.last(), 1000);
    EXPECT_TRUE(std::is_sorted(values.cbegin(), values.cend()));
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(state.entryCount(), rows);
    EXPECT_EQ(logTexts().size(), rows);
    EXPECT_EQ(session.history().undoCount(), 1) << "one undo step";
}

TEST_F(ImportFormTest, TheCurrencyAndTypeOfferTheValuesOfTheEntriesAfterTheirOwn)
{
    addEntries({{.type = "Ferry", .currency = "CHF"}, {.type = "Lunch", .currency = "EUR"}});
    ASSERT_TRUE(form.open(testDataPath(QStringLiteral("import/spreadsheet.csv"))));
    for (const auto& [name, value, own] :
         {std::tuple{"importType", "Ferry", "Breakfast"}, std::tuple{"importCurrency", "CHF", "GBP"}}) {
        SCOPED_TRACE(name);
        auto* box = control<QComboBox>(form, name);
        const int fromEntries = box->findText(QString::fromUtf8(value));
        ASSERT_GT(fromEntries, box->findText(QString::fromUtf8(own)));
        EXPECT_EQ(box->itemData(fromEntries, Qt::ToolTipRole).toString(), u"From the entries");
        EXPECT_EQ(box->findText(QStringLiteral("Lunch")), name == std::string_view("importType") ? 3 : -1)
            << "a value of the list is not offered twice";
        EXPECT_TRUE(box->currentText().isEmpty()) << "the mapping's choice, none, is kept";
    }
}

TEST_F(ImportFormTest, AFileThatCannotBeReadIsToldAndOpensNothing)
{
    EXPECT_FALSE(form.open(file(QStringLiteral("missing.csv"))));
    ASSERT_EQ(prompts.texts(Kind::Message).size(), 1);
    EXPECT_TRUE(prompts.texts(Kind::Message)[0].contains(QStringLiteral("missing.csv")));
    prompts.clear();
    prompts.answerFile(std::nullopt);
    form.showImport(folder.path());
    EXPECT_EQ(prompts.texts(Kind::OpenFile), QStringList{QStringLiteral("Import file")});
}

} // namespace
} // namespace tallyfox
