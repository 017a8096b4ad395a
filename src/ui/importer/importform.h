// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "session/importmapping.h"
#include "session/importrows.h"
#include "session/importsource.h"
#include "toolkit/formbase.h"

#include <QString>
#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QTabWidget;

namespace tallyfox {

class Prompts;
class Session;

// File > Import...: a bank's or a spreadsheet's CSV or TSV file, or the program's own export or
// database, as new entries. The preview shows the rows as they would be stored, every rejected row with
// its reason and the duplicates left out; the columns are proposed from the header (or as last time for
// the same header) and can be chosen, and so can the order of day and month when the dates read either
// way. "Import" stores the rows as one change and remembers the mapping for the header. Large files are
// read off the window's thread, with a progress bar.
class ImportForm : public FormBase
{
    Q_OBJECT

public:
    // Rows shown in the preview; the rejected ones and the duplicates are all shown.
    static constexpr int kPreviewRows = 100;
    // Files with more rows than this are read with the progress bar showing.
    static constexpr qsizetype kRowsWithProgress = 3000;

    ImportForm(Session& session, Prompts& prompts, QWidget* parent = nullptr);

    // Asks for the file, starting in the folder given, and shows the form on it.
    void showImport(const QString& initialFolder);
    // Reads the file and shows what it would store; false when it could not be read (the user is told).
    bool open(const QString& path);
    // The right soft key: stores the rows and tells what was stored; true when the form may close.
    bool importRows();

    [[nodiscard]] const ImportMapping& mapping() const { return m_mapping; }
    [[nodiscard]] const ConvertedRows& converted() const { return m_converted; }

private:
    void buildColumnsPage(QWidget* page);
    // The controls from the mapping, and the mapping from the controls.
    void showMapping();
    void takeChoices();
    // Makes the rows again with the mapping and shows them.
    void refresh();
    void showPreview();
    void updateSummary();
    // The bar while the rows are stored: done of total steps, the window drawn meanwhile.
    void showStoring(qsizetype done, qsizetype total);
    [[nodiscard]] QString rowText(const ImportRow& row) const;

    Session& m_session;
    Prompts& m_prompts;
    QString m_path;
    ImportSource m_source;
    ImportDefaults m_defaults;
    ImportMapping m_mapping;
    ConvertedRows m_converted;
    std::vector<DuplicateRow> m_duplicates;
    // While the controls are filled from the mapping, their signals change nothing.
    bool m_showing = false;

    QLabel* m_file;
    QLabel* m_summary;
    QTabWidget* m_tabs;
    QComboBox* m_dateFormat;
    QLabel* m_dateNote;
    QListWidget* m_preview;
    std::array<QComboBox*, kImportFieldCount> m_columns{};
    QComboBox* m_decimalMark;
    QComboBox* m_currency;
    QComboBox* m_type;
    QCheckBox* m_hasHeader;
    QCheckBox* m_negativeIsIncome;
    QCheckBox* m_allowDuplicates;
    QProgressBar* m_progress;
};

} // namespace tallyfox
