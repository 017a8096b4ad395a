// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "money/entrypick.h"
#include "money/monthtable.h"
#include "money/overviewchoices.h"
#include "toolkit/formbase.h"

class QAction;
class QComboBox;
class QMenu;
class QPlainTextEdit;
class QTableView;

namespace tallyfox {

class ChartPanel;
class MonthTableModel;
class Prompts;
class Session;

// Totals, month tables and charts of the entries, converted to the primary currency, with a copy to the
// clipboard (a chart as a picture) and a chart saved as PNG or SVG.
class OverviewForm : public FormBase
{
    Q_OBJECT

public:
    OverviewForm(Session& session, Prompts& prompts, QWidget* parent = nullptr);
    ~OverviewForm() override;

    // Builds the chosen view from the entries and shows the form.
    void showOverview();

    // What showOverview does before the form appears: the currency choice filled anew, the table built
    // for a table view, the view shown.
    void prepare();
    // What it does after the form has closed: the table's sums are let go.
    void release();
    // A view item of the menu: a table view gets its columns anew, then the view is shown.
    void chooseView(OverviewView view);
    // "Copy to clipboard": what is shown, as text, or the chart as a picture.
    void copyToClipboard();
    // "Save as...": the chart shown, as a PNG or SVG file the user names.
    void saveChartAs();

    [[nodiscard]] ChartPanel* charts() const { return m_charts; }

    // The view shown now and at the next opening.
    [[nodiscard]] OverviewView view() const { return m_view; }

Q_SIGNALS:
    // A tap on a part of a chart: the main list is to show these entries.
    void entriesRequested(const EntryPick& pick);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showCurrentView();
    void placeControls();
    void fillTable();
    void setBoxText(const QString& text);

    Session& m_session;
    Prompts& m_prompts;
    OverviewView m_view = OverviewView::Overview;
    // Kept between openings, as the view is; the currency choice starts anew each time.
    int m_modeChoice = 0;
    // The text box's content as copied: lines end in CR LF.
    QString m_boxText;
    MonthTable m_monthTable;
    MonthTableModel* m_model;
    QPlainTextEdit* m_textBox;
    QWidget* m_tablePanel;
    QComboBox* m_currencyBox;
    QComboBox* m_modeBox;
    QTableView* m_table;
    ChartPanel* m_charts;
    QMenu* m_menu;
    QAction* m_saveAs = nullptr;
    QAction* m_viewActions[5] = {};
};

} // namespace tallyfox
