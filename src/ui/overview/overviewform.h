#pragma once

#include "money/monthtable.h"
#include "money/overviewchoices.h"
#include "toolkit/formbase.h"

class QAction;
class QComboBox;
class QMenu;
class QPlainTextEdit;
class QTableView;

namespace tallyfox {

class MonthTableModel;
class Session;

// Totals and month tables of the entries, converted to the primary currency, with a copy to the
// clipboard.
class OverviewForm : public FormBase
{
    Q_OBJECT

public:
    explicit OverviewForm(Session& session, QWidget* parent = nullptr);
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
    // "Copy to clipboard": what is shown, as text.
    void copyToClipboard();

    // The view shown now and at the next opening.
    [[nodiscard]] OverviewView view() const { return m_view; }

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
    QMenu* m_menu;
    QAction* m_viewActions[4] = {};
};

} // namespace tallyfox
