// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/forms.h"

#include "session/session.h"
#include "toolkit/prompts.h"
#include "ui/mainwindow/entrylistview.h"

namespace tallyfox {

namespace {

// What storing or refreshing had to tell, such as a database that could not be written.
void showMessages(Session& session, Prompts& prompts, QWidget* parent)
{
    for (const QString& message : session.takeMessages())
        prompts.message(parent, message);
}

} // namespace

Forms::Forms(Session& session, Prompts& prompts)
    : m_prompts(prompts), m_sizes(session), m_main(session, prompts), m_about(&m_main),
      m_quickEntry(session, &m_main), m_item(session, m_quickEntry, &m_main),
      m_purge(session, prompts, m_quickEntry, &m_main), m_listEditor(prompts, &m_main),
      m_options(session, prompts, m_listEditor, &m_main), m_overview(session, prompts, &m_main),
      m_import(session, prompts, &m_main)
{
    for (FormBase* form : std::initializer_list<FormBase*>{&m_about, &m_quickEntry, &m_item, &m_purge,
                                                           &m_listEditor, &m_options, &m_overview})
        form->setSizeMemory(&m_sizes);
    m_import.setSizeMemory(&m_sizes);
    m_main.setImportHandler([this](const QString& folder) { m_import.showImport(folder); });
    m_main.setAboutHandler([this] { m_about.showModal(); });
    // A run started only to add one entry ends when the editor closes.
    const auto afterEditor = [this, &session] {
        showMessages(session, m_prompts, &m_main);
        if (session.state().quickEntryOnly)
            m_main.close();
    };
    m_main.setNewItemHandler([this, afterEditor] {
        m_item.newEntryFlow();
        afterEditor();
    });
    m_main.setEditEntryHandler([this, afterEditor](int index) {
        m_item.editEntryFlow(index);
        afterEditor();
    });
    m_main.setOptionsHandler([this, &session] {
        m_options.showOptions();
        // Saving may have rearranged the columns or changed the primary currency, which the refresh leaves
        // to the list's own layout.
        const AppState& state = session.state();
        m_main.list()->applyColumns(state.settings,
                                    state.currencyCount() > 0 ? state.currencies[0].name : QString());
        m_main.applyMonthLineSetting();
    });
    m_main.setPurgeHandler([this] { m_purge.showPurge(); });
    m_main.setOverviewHandler([this] { m_overview.showOverview(); });
    // A tap on a chart's part closes the overview on the main list, which shows those entries.
    QObject::connect(&m_overview, &OverviewForm::entriesRequested, &m_main, [this](const EntryPick& pick) {
        m_overview.closeWith(FormBase::kResultOk);
        m_main.showEntries(pick);
    });
}

} // namespace tallyfox
