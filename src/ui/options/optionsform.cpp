// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/options/optionsform.h"

#include "platform/userfolders.h"
#include "session/session.h"
#include "toolkit/prompts.h"
#include "toolkit/softkeybar.h"
#include "toolkit/systemservices.h"
#include "ui/listeditor/listeditorform.h"
#include "ui/options/optionscolumnspage.h"

#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tallyfox {

OptionsForm::OptionsForm(Session& session, Prompts& prompts, ListEditorForm& listEditor, QWidget* parent)
    : FormBase(QStringLiteral("Tallyfox"), parent), m_session(session), m_prompts(prompts),
      m_listEditor(listEditor), m_tabs(new QTabWidget), m_general(new GeneralPage), m_finger(new FingerPage),
      m_columns(new ColumnsPage)
{
    setObjectName(QStringLiteral("optionsForm"));
    m_tabs->setObjectName(QStringLiteral("optionsTabs"));
    m_tabs->addTab(m_general, tr("General"));
    m_tabs->addTab(m_finger, tr("FingerFriendly"));
    m_tabs->addTab(m_columns, tr("Columns"));
    // The tabs fill the form, whatever its size.
    auto* layout = new QVBoxLayout(content());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);

    softKeys()->setCaption(SoftKeyBar::Key::Left, tr("Cancel"));
    softKeys()->setCaption(SoftKeyBar::Key::Right, tr("Save"));
    connect(softKeys(), &SoftKeyBar::keyPressed, this, [this](SoftKeyBar::Key key) {
        if (key == SoftKeyBar::Key::Left)
            reject();
        else if (save())
            closeWith(kResultOk);
    });
    connect(m_general, &GeneralPage::changeLocationClicked, this, &OptionsForm::changeLocation);
    connect(m_general, &GeneralPage::listClicked, this, &OptionsForm::editList);
}

void OptionsForm::prepare()
{
    m_edit = loadOptions(m_session);
    m_general->load(m_edit);
    m_finger->load(m_edit);
    m_columns->setArrangement(ColumnArrangement(m_edit.columnPositions, m_edit.lastVisibleColumn));
    m_tabs->setCurrentIndex(0);
    // On the page tabs Enter saves at once and the arrow keys move between the pages.
    m_tabs->setFocus();
}

void OptionsForm::showOptions()
{
    prepare();
    // A defaults file that could not be read opens the form with empty lists, after saying so.
    showProblems();
    showModal();
}

bool OptionsForm::save()
{
    m_general->store(m_edit);
    m_finger->store(m_edit);
    const ColumnArrangement& columns = m_columns->arrangement();
    m_edit.lastVisibleColumn = quint16(columns.lastVisible());
    m_edit.columnPositions = columns.columnPositions();
    const FileResult written = saveOptions(m_session, m_edit);
    if (!written.ok()) {
        // Only the message that names the failed file; the session's queue would repeat it.
        const QStringList others = m_session.takeMessages();
        m_prompts.message(this, written.message());
        for (const QString& message : others) {
            if (message != written.message())
                m_prompts.message(this, message);
        }
        return false;
    }
    showProblems();
    return true;
}

void OptionsForm::changeLocation()
{
    const std::optional<QString> chosen =
        m_prompts.chooseFolder(this, tr("Setting files location"), m_edit.location);
    if (!chosen)
        return;
    m_edit.location = withTrailingSlash(*chosen);
    m_general->showLocation(m_edit.location);
    if (m_edit.location == m_session.state().settingsFolder)
        return;
    m_edit.overwrite = !holdsSettingsFiles(m_edit.location) ||
                       m_prompts.question(this, tr("Setting files already exist on new location. Do "
                                                   "you want to overwrite with files from old location?"));
}

void OptionsForm::editList(GeneralPage::List list)
{
    DefaultsLists& lists = m_edit.lists;
    switch (list) {
    case GeneralPage::List::Currencies:
        m_listEditor.editList(lists.currencyNames, &lists.currencyRates);
        break;
    case GeneralPage::List::ExpenseTypes:
        m_listEditor.editList(lists.expenseTypes, nullptr);
        break;
    case GeneralPage::List::PaymentMethods:
        m_listEditor.editList(lists.paymentMethods, nullptr);
        break;
    case GeneralPage::List::IntendedSources:
        m_listEditor.editList(lists.intendedSources, nullptr);
        break;
    }
    hideSoftInputPanel();
}

void OptionsForm::orientationChanged(bool landscape)
{
    m_general->arrange(landscape);
    m_finger->arrange(landscape);
    m_columns->arrange(landscape);
}

void OptionsForm::showProblems()
{
    for (const QString& problem : m_session.takeMessages())
        m_prompts.message(this, problem);
}

} // namespace tallyfox
