// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/importer/importform.h"

#include "core/textforms.h"
#include "session/importmemory.h"
#include "session/importvalues.h"
#include "session/picklists.h"
#include "session/session.h"
#include "toolkit/fingerscrolling.h"
#include "toolkit/prompts.h"
#include "toolkit/softkeybar.h"
#include "ui/importer/backgroundwork.h"
#include "ui/itemeditor/itemformcontrols.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tallyfox {

namespace {

// The object name of a field's column choice: "dateColumn", "paidWithColumn".
QString columnChoiceName(ImportField field)
{
    QString name = importFieldName(field);
    const qsizetype dash = name.indexOf(u'-');
    if (dash > 0)
        name = name.first(dash) + name.at(dash + 1).toUpper() + name.sliced(dash + 2);
    return name + QStringLiteral("Column");
}

// Rejected rows stand out; duplicates are quieter than the rows that are stored.
const QColor kRejectedColour(0xA0, 0x10, 0x10);
const QColor kDuplicateColour(0x70, 0x70, 0x70);

} // namespace

ImportForm::ImportForm(Session& session, Prompts& prompts, QWidget* parent)
    : FormBase(tr("Import"), parent), m_session(session), m_prompts(prompts), m_file(new QLabel),
      m_summary(new QLabel), m_tabs(new QTabWidget), m_dateFormat(new QComboBox), m_dateNote(new QLabel),
      m_preview(new QListWidget), m_decimalMark(new QComboBox), m_currency(new QComboBox),
      m_type(new QComboBox), m_hasHeader(new QCheckBox(tr("The first row names the columns"))),
      m_negativeIsIncome(new QCheckBox(tr("Negative amounts are incomes"))),
      m_allowDuplicates(new QCheckBox(tr("Keep duplicates"))), m_progress(new QProgressBar)
{
    setObjectName(QStringLiteral("importForm"));
    setFillsContent(true);
    m_file->setObjectName(QStringLiteral("importFile"));
    m_summary->setObjectName(QStringLiteral("importSummary"));
    m_tabs->setObjectName(QStringLiteral("importTabs"));
    m_dateFormat->setObjectName(QStringLiteral("importDateFormat"));
    m_dateNote->setObjectName(QStringLiteral("importDateNote"));
    m_preview->setObjectName(QStringLiteral("importPreview"));
    m_decimalMark->setObjectName(QStringLiteral("importDecimalMark"));
    m_currency->setObjectName(QStringLiteral("importCurrency"));
    m_type->setObjectName(QStringLiteral("importType"));
    m_hasHeader->setObjectName(QStringLiteral("importHasHeader"));
    m_negativeIsIncome->setObjectName(QStringLiteral("importNegativeIsIncome"));
    m_allowDuplicates->setObjectName(QStringLiteral("importAllowDuplicates"));
    m_progress->setObjectName(QStringLiteral("importProgress"));

    m_summary->setWordWrap(true);
    m_dateNote->setWordWrap(true);
    m_dateNote->setText(tr("Day and month read either way here: choose the order."));
    m_preview->setWordWrap(true);
    // Each row takes two lines; the shading tells one row from the next.
    m_preview->setAlternatingRowColors(true);
    m_preview->setSelectionMode(QAbstractItemView::NoSelection);
    m_preview->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_preview->setTextElideMode(Qt::ElideRight);
    fingerscrolling::enable(*m_preview);
    m_progress->setTextVisible(false);
    m_progress->hide();

    auto* layout = new QVBoxLayout(content());
    layout->setContentsMargins(4, 4, 4, 0);
    layout->setSpacing(2);
    layout->addWidget(m_file);
    layout->addWidget(m_summary);
    layout->addWidget(m_progress);
    layout->addWidget(m_tabs, 1);

    auto* previewPage = new QWidget;
    auto* previewLayout = new QVBoxLayout(previewPage);
    previewLayout->setContentsMargins(2, 2, 2, 2);
    previewLayout->setSpacing(2);
    auto* dates = new QFormLayout;
    dates->setContentsMargins(0, 0, 0, 0);
    dates->addRow(tr("Dates:"), m_dateFormat);
    previewLayout->addLayout(dates);
    previewLayout->addWidget(m_dateNote);
    previewLayout->addWidget(m_preview, 1);
    m_tabs->addTab(previewPage, tr("Preview"));
    auto* columnsPage = new QScrollArea;
    columnsPage->setObjectName(QStringLiteral("importColumnsPage"));
    columnsPage->setWidgetResizable(true);
    columnsPage->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    columnsPage->setFrameShape(QFrame::NoFrame);
    auto* columns = new QWidget;
    buildColumnsPage(columns);
    columnsPage->setWidget(columns);
    fingerscrolling::enable(*columnsPage);
    m_tabs->addTab(columnsPage, tr("Columns"));

    softKeys()->setCaption(SoftKeyBar::Key::Left, tr("Cancel"));
    softKeys()->setCaption(SoftKeyBar::Key::Right, tr("Import"));
    connect(softKeys(), &SoftKeyBar::keyPressed, this, [this](SoftKeyBar::Key key) {
        if (key == SoftKeyBar::Key::Left)
            reject();
        else if (importRows())
            closeWith(kResultOk);
    });
    connect(m_dateFormat, &QComboBox::currentIndexChanged, this, &ImportForm::takeChoices);
}

void ImportForm::buildColumnsPage(QWidget* page)
{
    auto* form = new QFormLayout(page);
    form->setContentsMargins(2, 2, 2, 2);
    form->setVerticalSpacing(3);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    for (const ImportField field : kImportFields) {
        QComboBox* box = new QComboBox;
        box->setObjectName(columnChoiceName(field));
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(6);
        m_columns[size_t(field)] = box;
        form->addRow(importFieldCaption(field) + u':', box);
        connect(box, &QComboBox::currentIndexChanged, this, &ImportForm::takeChoices);
    }
    m_decimalMark->addItem(tr("Point: 1,234.50"), QStringLiteral("."));
    m_decimalMark->addItem(tr("Comma: 1.234,50"), QStringLiteral(","));
    form->addRow(tr("Decimals:"), m_decimalMark);
    for (QComboBox* box : {m_currency, m_type}) {
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(6);
    }
    m_currency->lineEdit()->setPlaceholderText(tr("primary"));
    m_type->lineEdit()->setPlaceholderText(QStringLiteral("Unknown"));
    m_currency->lineEdit()->setAccessibleName(tr("Currency"));
    m_type->lineEdit()->setAccessibleName(tr("Type"));
    m_currency->setToolTip(tr("The currency of rows without one"));
    m_type->setToolTip(tr("The type of rows without one"));
    form->addRow(tr("Currency:"), m_currency);
    form->addRow(tr("Type:"), m_type);
    form->addRow(m_hasHeader);
    form->addRow(m_negativeIsIncome);
    form->addRow(m_allowDuplicates);
    // The mark found from the amounts stays open to be found again until one is chosen.
    connect(m_decimalMark, &QComboBox::currentIndexChanged, this, [this] {
        if (m_showing)
            return;
        m_mapping.decimalMark = m_decimalMark->currentData().toString().at(0);
        takeChoices();
    });
    connect(m_currency->lineEdit(), &QLineEdit::editingFinished, this, &ImportForm::takeChoices);
    connect(m_type->lineEdit(), &QLineEdit::editingFinished, this, &ImportForm::takeChoices);
    connect(m_currency, &QComboBox::activated, this, &ImportForm::takeChoices);
    connect(m_type, &QComboBox::activated, this, &ImportForm::takeChoices);
    for (QCheckBox* box : {m_hasHeader, m_negativeIsIncome, m_allowDuplicates})
        connect(box, &QCheckBox::toggled, this, &ImportForm::takeChoices);
}

void ImportForm::showImport(const QString& initialFolder)
{
    const FileDialogOptions dialog = {
        tr("Import file"),
        tr("Bank and spreadsheet files|*.csv *.tsv *.txt|Tallyfox files|*.tfx *.json *.journal|All "
           "files|*.*"),
        QString(), initialFolder, false};
    const std::optional<QString> path = m_prompts.openFile(parentWidget(), dialog);
    if (!path || !open(*path))
        return;
    showModal();
}

bool ImportForm::open(const QString& path)
{
    const FileContent content = readWholeFile(path);
    FileResult read = content.result;
    if (read.ok() && content.missing)
        read = FileResult::readFailure(FileError::NotFound, path, tr("No such file."));
    if (!read.ok()) {
        m_session.report(read);
        for (const QString& message : m_session.takeMessages())
            m_prompts.message(parentWidget(), message);
        return false;
    }
    m_path = path;
    m_defaults = importDefaults(m_session.state(), m_session.clock());
    const QByteArray& bytes = content.bytes;
    const auto readSource = [this, &bytes](WorkProgress&) {
        m_source = readImportSource(bytes, QChar(), m_defaults);
    };
    WorkProgress unused;
    if (bytes.count('\n') > kRowsWithProgress)
        runInBackground(*m_progress, readSource);
    else
        readSource(unused);

    m_mapping = proposeMapping(m_source, m_session.state().settings, m_defaults);
    if (m_source.format == ImportFormat::Table && m_mapping.hasHeader) {
        if (const std::optional<ImportMapping> recalled =
                recallImportMapping(m_session.registry(), m_source.firstRecord())) {
            m_mapping = *recalled;
            m_mapping.delimiter = m_source.delimiter;
        }
    }
    m_file->setText(fontMetrics().elidedText(QFileInfo(path).fileName(), Qt::ElideMiddle, 230));
    m_file->setToolTip(path);
    PickLists lists;
    loadPickLists(m_session, lists);
    // As in the item editor: the lists' own items, then the values the entries use.
    addEntryValues(m_session.state().entries, lists);
    m_showing = true;
    ItemFormControls::fillItems(m_currency, lists.currencies, lists.fromEntries.currencies);
    ItemFormControls::fillItems(m_type, lists.expenseTypes, lists.fromEntries.expenseTypes);
    m_showing = false;
    m_tabs->setCurrentIndex(0);
    showMapping();
    refresh();
    return true;
}

void ImportForm::showMapping()
{
    m_showing = true;
    const bool table = m_source.isTable();
    const QStringList header = m_source.firstRecord();
    qsizetype width = header.size();
    for (qsizetype i = 0; i < m_source.table.recordCount() && i < 20; ++i)
        width = std::max(width, m_source.table.fieldCount(i));
    for (const ImportField field : kImportFields) {
        QComboBox* box = m_columns[size_t(field)];
        box->clear();
        box->addItem(QStringLiteral("\u2014"), kNoColumn);
        for (qsizetype column = 0; column < width; ++column) {
            const QString name =
                m_mapping.hasHeader && column < header.size() ? header[column].simplified() : QString();
            box->addItem(name.isEmpty() ? QStringLiteral("%1").arg(column + 1)
                                        : QStringLiteral("%1: %2").arg(column + 1).arg(name),
                         int(column));
        }
        box->setCurrentIndex(std::max(0, box->findData(m_mapping.column(field))));
        box->setEnabled(table);
    }
    const QChar mark = m_mapping.decimalMark.isNull() ? m_converted.decimalMark : m_mapping.decimalMark;
    m_decimalMark->setCurrentIndex(mark == u',' ? 1 : 0);
    m_currency->setEditText(m_mapping.currency);
    m_type->setEditText(m_mapping.type);
    m_hasHeader->setChecked(m_mapping.hasHeader);
    m_negativeIsIncome->setChecked(m_mapping.negativeIsIncome);
    for (QWidget* control : std::initializer_list<QWidget*>{m_decimalMark, m_currency, m_type, m_hasHeader,
                                                            m_negativeIsIncome, m_dateFormat})
        control->setEnabled(table);
    m_showing = false;
}

void ImportForm::takeChoices()
{
    if (m_showing)
        return;
    const bool hadHeader = m_mapping.hasHeader;
    for (const ImportField field : kImportFields)
        m_mapping.setColumn(field, m_columns[size_t(field)]->currentData().toInt());
    const QString pattern = m_dateFormat->currentData().toString();
    // The format found stays open to be found again; one chosen is kept.
    if (m_dateFormat->currentIndex() > 0 || !m_mapping.dateFormat.isEmpty())
        m_mapping.dateFormat = pattern;
    m_mapping.currency = m_currency->currentText().trimmed();
    m_mapping.type = m_type->currentText().trimmed();
    m_mapping.hasHeader = m_hasHeader->isChecked();
    m_mapping.negativeIsIncome = m_negativeIsIncome->isChecked();
    if (hadHeader != m_mapping.hasHeader)
        showMapping();
    refresh();
}

void ImportForm::refresh()
{
    const ImportSource& source = m_source;
    const ImportMapping mapping = m_mapping;
    const ImportDefaults defaults = m_defaults;
    const bool allowDuplicates = m_allowDuplicates->isChecked();
    // Off the window's thread the work reads a copy of the entries: the window may reload them while
    // it waits.
    const bool inBackground = source.rowCount(mapping.hasHeader) > kRowsWithProgress;
    ExpenseArray copied;
    if (inBackground && !allowDuplicates)
        copied = m_session.state().entries;
    const ExpenseArray& existing = inBackground ? copied : m_session.state().entries;
    ConvertedRows converted;
    std::vector<DuplicateRow> duplicates;
    const auto work = [&](WorkProgress& progress) {
        progress.total = source.table.recordCount();
        converted =
            convertSource(source, mapping, defaults, [&progress](qsizetype done) { progress.done = done; });
        progress.total = 0;
        if (!allowDuplicates) {
            std::vector<ImportRow> rows = converted.rows;
            duplicates = leaveOutDuplicates(rows, existing);
        }
    };
    WorkProgress unused;
    setEnabled(false);
    if (inBackground)
        runInBackground(*m_progress, work);
    else
        work(unused);
    setEnabled(true);
    m_converted = std::move(converted);
    m_duplicates = std::move(duplicates);

    // The date formats: the one in use, those that read the dates as well, then the others.
    m_showing = true;
    m_dateFormat->clear();
    QStringList formats = {m_converted.dateFormat};
    formats += m_converted.otherDateFormats;
    const QString own = localeDateFormat(m_defaults.locale);
    for (const QString& pattern : knownDateFormats() + QStringList{own}) {
        if (!formats.contains(pattern) && !pattern.isEmpty())
            formats.append(pattern);
    }
    for (const QString& pattern : formats)
        m_dateFormat->addItem(pattern, pattern);
    m_dateFormat->setCurrentIndex(0);
    if (m_mapping.decimalMark.isNull())
        m_decimalMark->setCurrentIndex(m_converted.decimalMark == u',' ? 1 : 0);
    m_showing = false;
    m_dateNote->setVisible(m_source.isTable() && !m_converted.otherDateFormats.isEmpty());
    showPreview();
    updateSummary();
}

QString ImportForm::rowText(const ImportRow& row) const
{
    const Expense& entry = row.entry;
    const AppState& state = m_session.state();
    QString second = entry.type;
    if (!entry.note.isEmpty())
        second += QStringLiteral(" \u00b7 ") + entry.note;
    return QStringLiteral("%1   %2 %3\n%4")
        .arg(dateText(entry.date, state.locale), entry.currency,
             entryAmountText(entry, state.settings.incomeIsPositive), second);
}

void ImportForm::showPreview()
{
    m_preview->setUpdatesEnabled(false);
    m_preview->clear();
    for (const RejectedRow& row : m_converted.rejected) {
        auto* item = new QListWidgetItem(tr("Line %1: %2").arg(row.line).arg(row.reason), m_preview);
        item->setForeground(kRejectedColour);
    }
    for (const DuplicateRow& row : m_duplicates) {
        const QString text = row.sameAsLine == 0
                                 ? tr("Line %1: left out, already stored").arg(row.line)
                                 : tr("Line %1: left out, as line %2").arg(row.line).arg(row.sameAsLine);
        auto* item = new QListWidgetItem(text, m_preview);
        item->setForeground(kDuplicateColour);
    }
    int shown = 0;
    for (const ImportRow& row : m_converted.rows) {
        if (shown == kPreviewRows)
            break;
        new QListWidgetItem(rowText(row), m_preview);
        ++shown;
    }
    m_preview->setUpdatesEnabled(true);
}

void ImportForm::updateSummary()
{
    const qsizetype duplicates = qsizetype(m_duplicates.size());
    const qsizetype rows = qsizetype(m_converted.rows.size()) - duplicates;
    QString text = tr("%1 to import, %2 duplicates left out, %3 rejected")
                       .arg(rows)
                       .arg(duplicates)
                       .arg(m_converted.rejected.size());
    if (m_source.isTable() && !m_mapping.isComplete())
        text = tr("Choose the columns of the date and the amount.");
    m_summary->setText(text);
    softKeys()->setKeyEnabled(SoftKeyBar::Key::Right, m_source.isTable() ? m_mapping.isComplete() : true);
}

void ImportForm::showStoring(qsizetype done, qsizetype total)
{
    // The bar counts in thousandths, so that any count fits its int.
    m_progress->setRange(0, 1000);
    m_progress->setValue(int(total > 0 ? std::min<qsizetype>(1000, done * 1000 / total) : 0));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool ImportForm::importRows()
{
    if (m_source.isTable() && !m_mapping.isComplete())
        return false;
    ImportTally tally;
    // The rows are stored on the window's thread, which the session holds meanwhile; the bar follows
    // the storing, and the window is drawn while it moves. The form stays modal over the window, so
    // nothing else changes the entries meanwhile.
    ImportProgress progress;
    if (qsizetype(m_converted.rows.size()) > kRowsWithProgress) {
        progress = [this](qsizetype done, qsizetype total) {
            showStoring(done, total);
        };
        showStoring(0, 1);
        m_progress->show();
    }
    setEnabled(false);
    const CommandOutcome outcome =
        m_session.importEntries(m_converted.rows, m_allowDuplicates->isChecked(), tally, progress);
    setEnabled(true);
    m_progress->hide();
    if (m_source.format == ImportFormat::Table && m_mapping.hasHeader) {
        ImportMapping used = m_mapping;
        used.dateFormat = m_converted.dateFormat;
        used.decimalMark = m_converted.decimalMark;
        m_session.report(rememberImportMapping(m_session.registry(), m_source.firstRecord(), used),
                         ProblemTopic::Settings);
    }
    const QStringList problems = m_session.takeMessages();
    if (outcome.applied && !outcome.stored()) {
        // Not in the file: the entries stay in memory for the next write, and the problems say why.
        for (const QString& problem : problems)
            m_prompts.message(this, problem);
        return true;
    }
    m_prompts.message(this, tr("%1 imported, %2 duplicates left out, %3 rejected.")
                                .arg(tally.added)
                                .arg(tally.duplicates.size())
                                .arg(m_converted.rejected.size()));
    for (const QString& problem : problems)
        m_prompts.message(this, problem);
    return true;
}

} // namespace tallyfox
