// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/overview/overviewform.h"

#include "money/overviewreport.h"
#include "platform/filesystem.h"
#include "session/session.h"
#include "toolkit/fingerscrolling.h"
#include "toolkit/programfont.h"
#include "toolkit/prompts.h"
#include "toolkit/softkeybar.h"
#include "toolkit/systemservices.h"
#include "ui/overview/chartpanel.h"
#include "ui/overview/chartpicture.h"
#include "ui/overview/chartview.h"
#include "ui/overview/monthtablemodel.h"
#include "ui/widgets/shownenglish.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTableView>

namespace tallyfox {

namespace {

constexpr int kChoiceWidth = 115;
constexpr int kChoiceHeight = 20;
constexpr int kNameColumnWidth = 80;
constexpr int kNumberColumnWidth = 50;
constexpr int kTablePixelSize = 12;

constexpr OverviewView kViews[] = {OverviewView::Overview, OverviewView::ExpenseTypes,
                                   OverviewView::IntendedSources, OverviewView::PaymentMethods,
                                   OverviewView::Charts};
constexpr int kViewCount = 5;

bool isCopyKey(const QEvent* event)
{
    return event->type() == QEvent::KeyPress &&
           static_cast<const QKeyEvent*>(event)->matches(QKeySequence::Copy);
}

} // namespace

OverviewForm::OverviewForm(Session& session, Prompts& prompts, QWidget* parent)
    : FormBase(QStringLiteral("Tallyfox"), parent), m_session(session), m_prompts(prompts),
      m_model(new MonthTableModel(m_monthTable, this)), m_textBox(new QPlainTextEdit),
      m_tablePanel(new QWidget), m_currencyBox(new QComboBox(m_tablePanel)),
      m_modeBox(new QComboBox(m_tablePanel)), m_table(new QTableView(m_tablePanel)),
      m_charts(new ChartPanel(session.state(), session.clock(), m_tablePanel)), m_menu(new QMenu(this))
{
    setObjectName(QStringLiteral("overviewForm"));
    setFillsContent(true);
    m_textBox->setObjectName(QStringLiteral("overviewText"));
    m_textBox->setReadOnly(true);
    m_textBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_textBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tablePanel->setObjectName(QStringLiteral("overviewTablePanel"));
    // Smaller than the form's text, so that "Converted to" and the primary's name fit their choice box
    // and a four-digit sum its 50-pixel column, as on the small screen the layout was made for.
    m_tablePanel->setFont(programfont::font(kTablePixelSize));
    m_currencyBox->setObjectName(QStringLiteral("currencyChoice"));
    m_modeBox->setObjectName(QStringLiteral("modeChoice"));
    m_textBox->setAccessibleName(tr("Overview"));
    m_currencyBox->setAccessibleName(tr("Currency"));
    m_modeBox->setAccessibleName(tr("Sums"));
    for (const QString& mode : modeChoiceItems())
        m_modeBox->addItem(shownEnglish("OverviewChoices", mode));
    m_table->setObjectName(QStringLiteral("monthTable"));
    m_menu->setObjectName(QStringLiteral("overviewMenu"));
    m_table->setModel(m_model);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setDefaultSectionSize(kNumberColumnWidth);
    m_table->horizontalHeader()->setMinimumSectionSize(1);
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(QFontMetrics(m_tablePanel->font()).height() + 2);
    fingerscrolling::enable(*m_textBox);
    fingerscrolling::enable(*m_table);
    place(m_textBox, 0, 0, 0, 0);
    place(m_tablePanel, 0, 0, 0, 0);
    m_currencyBox->setGeometry(0, 0, kChoiceWidth, kChoiceHeight);
    m_modeBox->setGeometry(kChoiceWidth, 0, kChoiceWidth, kChoiceHeight);
    setTabOrder(m_currencyBox, m_modeBox);
    setTabOrder(m_modeBox, m_table);
    setTabOrder(m_table, m_charts);
    connect(m_charts, &ChartPanel::entriesRequested, this, &OverviewForm::entriesRequested);
    content()->installEventFilter(this);
    m_textBox->installEventFilter(this);
    m_table->installEventFilter(this);
    m_charts->view()->installEventFilter(this);

    QAction* copy = m_menu->addAction(tr("Copy to clipboard"), this, &OverviewForm::copyToClipboard);
    copy->setObjectName(QStringLiteral("copyToClipboard"));
    m_saveAs = m_menu->addAction(tr("Save as..."), this, &OverviewForm::saveChartAs);
    m_saveAs->setObjectName(QStringLiteral("saveChartAs"));
    m_menu->addSeparator();
    // The charts, the tables from the last to the first, then the report.
    for (int i = kViewCount - 1; i >= 0; --i) {
        const OverviewView view = kViews[i];
        QAction* action = m_menu->addAction(shownEnglish("OverviewChoices", viewMenuText(view)), this,
                                            [this, view] { chooseView(view); });
        action->setCheckable(true);
        m_viewActions[i] = action;
    }
    m_menu->setDefaultAction(m_viewActions[0]);

    softKeys()->setCaption(SoftKeyBar::Key::Left, tr("Menu"));
    softKeys()->setMenu(SoftKeyBar::Key::Left, m_menu);
    softKeys()->setCaption(SoftKeyBar::Key::Right, tr("OK"));
    connect(softKeys(), &SoftKeyBar::keyPressed, this, [this](SoftKeyBar::Key key) {
        if (key == SoftKeyBar::Key::Right)
            closeWith(kResultOk);
    });
    connect(m_currencyBox, &QComboBox::currentIndexChanged, this, [this] { fillTable(); });
    connect(m_modeBox, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_modeChoice = index;
        fillTable();
    });
}

OverviewForm::~OverviewForm() = default;

void OverviewForm::showOverview()
{
    prepare();
    showModal();
    release();
}

void OverviewForm::prepare()
{
    {
        const QSignalBlocker currencyBlocker(m_currencyBox);
        const QSignalBlocker modeBlocker(m_modeBox);
        m_currencyBox->clear();
        const CurrencyArray& currencies = m_session.state().currencies;
        QStringList choices = currencyChoiceItems(currencies);
        // The first choice is the sum converted to the primary currency.
        choices[0] = QCoreApplication::translate("OverviewChoices", "Converted to %1")
                         .arg(currencies.isEmpty() ? QString() : currencies[0].name);
        m_currencyBox->addItems(choices);
        m_currencyBox->setCurrentIndex(0);
        m_modeBox->setCurrentIndex(m_modeChoice);
    }
    if (isTableView(m_view)) {
        m_model->beginChange();
        buildMonthColumns(m_monthTable, m_session.state(), m_view);
        m_model->endChange();
    }
    showCurrentView();
}

void OverviewForm::release()
{
    m_model->beginChange();
    m_monthTable = MonthTable();
    m_model->endChange();
    m_charts->release();
}

void OverviewForm::chooseView(OverviewView view)
{
    m_view = view;
    if (isTableView(view)) {
        m_model->beginChange();
        buildMonthColumns(m_monthTable, m_session.state(), view);
        m_model->endChange();
    }
    showCurrentView();
}

void OverviewForm::showCurrentView()
{
    placeControls();
    const bool table = isTableView(m_view);
    const bool charts = m_view == OverviewView::Charts;
    m_textBox->setVisible(!table && !charts);
    m_tablePanel->setVisible(table || charts);
    m_table->setVisible(table);
    m_charts->setVisible(charts);
    m_saveAs->setEnabled(charts);
    for (int i = 0; i < kViewCount; ++i)
        m_viewActions[i]->setChecked(kViews[i] == m_view);
    if (table) {
        fillTable();
        m_table->setFocus();
    } else if (charts) {
        fillTable();
        m_charts->setFocus();
    } else {
        setBoxText(buildOverviewText(m_session.state(), m_session.clock()));
        m_textBox->setFocus();
    }
}

void OverviewForm::fillTable()
{
    if (m_view == OverviewView::Charts)
        m_charts->showChart(m_currencyBox->currentIndex(), m_modeBox->currentIndex());
    if (!isTableView(m_view))
        return;
    m_model->beginChange();
    fillMonthTable(m_monthTable, m_session.state(), m_currencyBox->currentIndex(), m_modeBox->currentIndex());
    m_model->endChange();
    // The month columns take the default width; the name columns at both ends are wider.
    const int columns = m_monthTable.columnCount();
    if (columns > 0) {
        m_table->setColumnWidth(0, kNameColumnWidth);
        m_table->setColumnWidth(columns - 1, kNameColumnWidth);
    }
}

void OverviewForm::setBoxText(const QString& text)
{
    m_boxText = text;
    // The box breaks lines at LF alone; a CR would show as a second break.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_textBox->setPlainText(shown);
}

void OverviewForm::copyToClipboard()
{
    if (m_view == OverviewView::Charts) {
        QGuiApplication::clipboard()->setImage(m_charts->view()->picture());
        return;
    }
    if (isTableView(m_view))
        setBoxText(monthTableText(m_monthTable));
    if (m_boxText.isEmpty())
        QGuiApplication::clipboard()->clear();
    else
        setClipboardText(m_boxText);
}

void OverviewForm::saveChartAs()
{
    if (m_view != OverviewView::Charts)
        return;
    const FileDialogOptions dialog{tr("Save chart as"), tr("PNG images|*.png|SVG images|*.svg"),
                                   QStringLiteral("png"),
                                   QFileInfo(m_session.state().databasePath).absolutePath() + u'/', true};
    const std::optional<QString> path = m_prompts.saveFile(this, dialog);
    if (!path)
        return;
    const ChartImageFormat format = chartpicture::formatOfFileName(*path).value_or(ChartImageFormat::Png);
    const QByteArray bytes = m_charts->view()->encoded(format);
    m_session.report(
        writeFileAtomically(*path, [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); }));
    for (const QString& message : m_session.takeMessages())
        m_prompts.message(this, message);
}

void OverviewForm::placeControls()
{
    const QSize area = content()->size();
    m_textBox->setGeometry(0, 0, area.width(), area.height());
    m_tablePanel->setGeometry(0, 0, area.width(), area.height());
    m_table->setGeometry(-1, kChoiceHeight - 1, std::max(0, area.width() - 4),
                         std::max(0, area.height() - (kChoiceHeight + 4)));
    m_charts->setGeometry(0, kChoiceHeight, area.width(), std::max(0, area.height() - kChoiceHeight));
}

void OverviewForm::resizeEvent(QResizeEvent* event)
{
    FormBase::resizeEvent(event);
    placeControls();
}

void OverviewForm::keyPressEvent(QKeyEvent* event)
{
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (event->key() == Qt::Key_F10 && plain) {
        softKeys()->openMenu(SoftKeyBar::Key::Left);
        event->accept();
    } else if (event->matches(QKeySequence::Copy)) {
        copyToClipboard();
        event->accept();
    } else {
        FormBase::keyPressEvent(event);
    }
}

bool OverviewForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == content() && event->type() == QEvent::Resize) {
        placeControls();
    } else if ((watched == m_textBox || watched == m_table || watched == m_charts->view()) &&
               isCopyKey(event)) {
        // The box and the table would copy only their selection; Ctrl+C copies the whole view.
        copyToClipboard();
        return true;
    }
    return FormBase::eventFilter(watched, event);
}

} // namespace tallyfox
