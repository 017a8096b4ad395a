// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The list's default columns hold their captions and their widest texts whole, and every window of the
// program (menus and message boxes included) shares the list's face and scale. CTest runs these at
// scale 1 and again with QT_SCALE_FACTOR=3.
#include "mainwindow/mainformfixture.h"
#include "support/controls.h"
#include "toolkit/programfont.h"
#include "toolkit/programstyle.h"
#include "toolkit/qtprompts.h"
#include "toolkit/screenfit.h"
#include "ui/mainwindow/entrylistmodel.h"
#include "ui/mainwindow/entrylistview.h"

#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

namespace tallyfox::test {
namespace {

// The widest short date of the century in a locale, as the list shows it.
QString widestDate(const QLocale& locale, const QFontMetrics& metrics)
{
    QString widest;
    for (QDate date(2000, 1, 1); date.year() < 2100; date = date.addDays(1)) {
        const QString text = locale.toString(date, QLocale::ShortFormat);
        if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(widest))
            widest = text;
    }
    return widest;
}

class ListFit : public ::testing::Test
{
protected:
    void SetUp() override { form = &fixture.start(); }

    [[nodiscard]] EntryListView& list() const { return *form->list(); }
    // What a cell or a caption of the column has for its text, after the style's margins.
    [[nodiscard]] int cellRoom(int column) const
    {
        const int margin = list().style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list()) + 1;
        return list().horizontalHeader()->sectionSize(column) - 2 * margin;
    }
    [[nodiscard]] int captionRoom(int column) const
    {
        const QHeaderView* header = list().horizontalHeader();
        return header->sectionSize(column) -
               2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    }

    MainFormFixture fixture;
    MainForm* form = nullptr;
};

TEST_F(ListFit, EveryVisibleCaptionShowsWhole)
{
    const QHeaderView* header = list().horizontalHeader();
    const QFontMetrics metrics(header->font());
    int visible = 0;
    for (int column = 0; column < kListColumnCount; ++column) {
        if (header->isSectionHidden(column))
            continue;
        ++visible;
        const QString caption = list().model()->headerData(column, Qt::Horizontal).toString();
        EXPECT_LE(metrics.horizontalAdvance(caption), captionRoom(column)) << caption.toStdString();
    }
    EXPECT_GE(visible, 8);
}

TEST_F(ListFit, DatesAmountsAndCurrenciesShowWhole)
{
    const QFontMetrics metrics(list().font());
    const QStringList dates = {widestDate(QLocale(QLocale::English, QLocale::UnitedStates), metrics),
                               widestDate(QLocale(QLocale::German, QLocale::Germany), metrics)};
    const QStringList amounts = {QStringLiteral("-9999.99"), QStringLiteral("9999.99"),
                                 QStringLiteral("-8888.88")};
    const QStringList currencies = {QStringLiteral("EUR"), QStringLiteral("USD"), QStringLiteral("GBP"),
                                    QStringLiteral("CHF"), QStringLiteral("SEK"), QStringLiteral("MXN")};
    const struct
    {
        ListColumn column;
        QStringList texts;
    } cases[] = {
        {ListColumn::Date, dates}, {ListColumn::Amount, amounts}, {ListColumn::Currency, currencies}};
    for (const auto& c : cases) {
        const int column = int(c.column);
        ASSERT_FALSE(list().horizontalHeader()->isSectionHidden(column));
        for (const QString& text : c.texts)
            EXPECT_LE(metrics.horizontalAdvance(text), cellRoom(column)) << text.toStdString();
    }
}

TEST_F(ListFit, TheDateColumnHoldsTheCLocalesIsoDates)
{
    const AppState state{QLocale::c()};
    EntryListModel model(state);
    EntryListView view(&model);
    // As start-up applies the stored widths and columns.
    const Settings settings;
    view.applyWidths(settings.columnWidths);
    view.applyColumns(settings, QStringLiteral("EUR"));
    const int margin = view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1;
    const int room = view.horizontalHeader()->sectionSize(int(ListColumn::Date)) - 2 * margin;
    const QFontMetrics metrics(view.font());
    for (const QDate date : {QDate(2009, 12, 31), QDate(2088, 8, 28), QDate(2000, 1, 1)})
        EXPECT_LE(metrics.horizontalAdvance(state.locale.shortDate(date)), room);
    EXPECT_EQ(state.locale.shortDate(QDate(2009, 12, 31)), u"2009-12-31");
}

TEST_F(ListFit, TheListsTextIsALineSixteenPixelsHigh)
{
    EXPECT_EQ(QFontMetrics(list().font()).height(), 16);
    EXPECT_EQ(list().font().family(), QString::fromLatin1(programfont::kFamily));
}

TEST_F(ListFit, MenusAndMessageBoxesShareTheListsFaceAndScale)
{
    const double scale = form->windowHandle()->devicePixelRatio();
    EXPECT_DOUBLE_EQ(scale, screenfit::scaleInEffect());
    const int pixelSize = list().font().pixelSize();

    QMenu* menu = test::control<QMenu>(*form, "mainMenu");
    menu->popup(form->mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(menu->windowHandle());
    EXPECT_DOUBLE_EQ(menu->windowHandle()->devicePixelRatio(), scale);
    EXPECT_EQ(menu->font().pixelSize(), pixelSize);
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        EXPECT_GE(menu->actionGeometry(action).height(), ProgramStyle::kTouchHeight)
            << action->text().toStdString();
    }
    menu->hide();

    QtPrompts prompts;
    double boxScale = 0;
    int boxPixelSize = 0;
    QTimer::singleShot(0, form, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        boxScale = box->windowHandle()->devicePixelRatio();
        boxPixelSize = box->font().pixelSize();
        box->accept();
    });
    prompts.message(form, QStringLiteral("Saved."));
    EXPECT_DOUBLE_EQ(boxScale, scale);
    EXPECT_EQ(boxPixelSize, pixelSize);
}

} // namespace
} // namespace tallyfox::test
