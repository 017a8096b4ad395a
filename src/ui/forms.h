// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "ui/about/aboutform.h"
#include "ui/importer/importform.h"
#include "ui/itemeditor/itemform.h"
#include "ui/listeditor/listeditorform.h"
#include "ui/mainwindow/mainform.h"
#include "ui/options/optionsform.h"
#include "ui/overview/overviewform.h"
#include "ui/purge/purgeform.h"
#include "ui/quickentry/quickentryform.h"
#include "ui/widgets/formsizesettings.h"

namespace tallyfox {

class Prompts;
class Session;

// The program's forms, created once in their order and kept until it ends: the main window first, then
// the forms that its commands open. The main window reaches them only through the handlers set here, so
// it can be built and tested alone; a new form is added here, beside the command that opens it.
class Forms
{
public:
    Forms(Session& session, Prompts& prompts);
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    [[nodiscard]] MainForm& main() { return m_main; }
    [[nodiscard]] AboutForm& about() { return m_about; }
    [[nodiscard]] QuickEntryForm& quickEntry() { return m_quickEntry; }
    [[nodiscard]] ItemForm& item() { return m_item; }
    [[nodiscard]] PurgeForm& purge() { return m_purge; }
    [[nodiscard]] ListEditorForm& listEditor() { return m_listEditor; }
    [[nodiscard]] OptionsForm& options() { return m_options; }
    [[nodiscard]] OverviewForm& overview() { return m_overview; }
    [[nodiscard]] ImportForm& importer() { return m_import; }

private:
    Prompts& m_prompts;
    // Before the forms, which keep their sizes in it.
    FormSizeSettings m_sizes;
    MainForm m_main;
    AboutForm m_about;
    // Before the item editor and the purge form, which open its panels.
    QuickEntryForm m_quickEntry;
    ItemForm m_item;
    PurgeForm m_purge;
    // Before the options, which open it for the lists.
    ListEditorForm m_listEditor;
    OptionsForm m_options;
    OverviewForm m_overview;
    ImportForm m_import;
};

} // namespace tallyfox
