// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/quickentry/quickentryform.h"

#include "session/session.h"
#include "toolkit/softkeybar.h"
#include "toolkit/systemservices.h"
#include "ui/quickentry/amountpanel.h"
#include "ui/quickentry/datepanel.h"
#include "ui/quickentry/listpanel.h"
#include "ui/quickentry/notepanel.h"

#include <QStackedLayout>

namespace tallyfox {

namespace {

std::vector<ColumnId> enabledSteps(const Settings& settings)
{
    std::vector<ColumnId> steps;
    for (size_t i = 0; i < kQuickSteps.size(); ++i) {
        if (settings.quickEnable[i])
            steps.push_back(kQuickSteps[i]);
    }
    return steps;
}

} // namespace

QuickEntryForm::QuickEntryForm(Session& session, QWidget* parent)
    : FormBase(tr("New item"), parent), m_session(session),
      m_amountPanel(new AmountPanel(session.state(), content())),
      m_datePanel(new DatePanel(session.state().locale, session.clock(), content())),
      m_listPanel(new ListPanel(content())), m_notePanel(new NotePanel(content())),
      m_panels(new QStackedLayout(content()))
{
    setObjectName(QStringLiteral("quickEntryForm"));
    m_panels->setContentsMargins(0, 0, 0, 0);
    m_panels->addWidget(m_amountPanel);
    m_panels->addWidget(m_datePanel);
    m_panels->addWidget(m_listPanel);
    m_panels->addWidget(m_notePanel);

    connect(softKeys(), &SoftKeyBar::keyPressed, this, [this](SoftKeyBar::Key key) {
        if (key == SoftKeyBar::Key::Left)
            leftKey();
        else
            confirm();
    });
    connect(m_amountPanel, &AmountPanel::confirmed, this, &QuickEntryForm::confirm);
    connect(m_datePanel, &DatePanel::confirmed, this, &QuickEntryForm::confirm);
    connect(m_listPanel, &ListPanel::chosen, this, &QuickEntryForm::confirm);
}

void QuickEntryForm::startQuickEntry(EditorFields& fields)
{
    if (isVisible())
        return;
    m_steps = enabledSteps(m_session.state().settings);
    // Nothing to ask: the editor carries on at once.
    if (m_steps.empty())
        return;
    m_fields = &fields;
    m_running = true;
    m_position = 0;
    showStep();
    showModal();
    m_running = false;
    m_fields = nullptr;
    m_dateTarget = nullptr;
}

bool QuickEntryForm::editDate(QDateTime& date)
{
    if (isVisible())
        return false;
    m_running = false;
    m_dateTarget = &date;
    openDate(date);
    return runPicker();
}

bool QuickEntryForm::editAmount(EditorFields& fields)
{
    if (isVisible())
        return false;
    m_running = false;
    m_fields = &fields;
    openAmount();
    return runPicker();
}

bool QuickEntryForm::pickFromList(EditorFields& fields, PickTarget target)
{
    if (isVisible())
        return false;
    m_running = false;
    m_fields = &fields;
    openList(target);
    return runPicker();
}

bool QuickEntryForm::runPicker()
{
    const bool confirmed = showModal() == kResultOk;
    m_fields = nullptr;
    m_dateTarget = nullptr;
    return confirmed;
}

void QuickEntryForm::showStep()
{
    switch (m_steps[static_cast<size_t>(m_position)]) {
    case ColumnId::Type:
        openList(PickTarget::Type);
        break;
    case ColumnId::Date:
        m_dateTarget = &m_fields->date;
        openDate(m_fields->date);
        break;
    case ColumnId::Currency:
        openList(PickTarget::Currency);
        break;
    case ColumnId::Amount:
        openAmount();
        break;
    case ColumnId::PaidWith:
        openList(PickTarget::PaidWith);
        break;
    case ColumnId::IntendedSource:
        openList(PickTarget::IntendedSource);
        break;
    case ColumnId::Note:
        openNote();
        break;
    case ColumnId::Receipt:
    case ColumnId::PrimaryAmount:
        break;
    }
}

void QuickEntryForm::openAmount()
{
    m_amountPanel->load(*m_fields, m_session.state().settings);
    showPanel(Panel::Amount);
}

void QuickEntryForm::openDate(const QDateTime& date)
{
    // A picker without a date starts from now rather than from nothing.
    m_datePanel->setDate(date.isValid() ? date : m_session.clock().now());
    showPanel(Panel::Date);
}

void QuickEntryForm::openList(PickTarget target)
{
    m_listTarget = target;
    const bool withCustom = m_running && target == PickTarget::Type;
    m_listPanel->fill(pickItems(*m_fields, target), pickEntryItems(*m_fields, target),
                      pickText(*m_fields, target), withCustom);
    showPanel(Panel::List);
}

void QuickEntryForm::openNote()
{
    m_notePanel->setText(m_fields->note);
    showPanel(Panel::Note);
    showSoftInputPanel();
}

void QuickEntryForm::showPanel(Panel panel)
{
    m_panel = panel;
    switch (panel) {
    case Panel::Amount:
        m_panels->setCurrentWidget(m_amountPanel);
        break;
    case Panel::Date:
        m_panels->setCurrentWidget(m_datePanel);
        break;
    case Panel::List:
        m_panels->setCurrentWidget(m_listPanel);
        break;
    case Panel::Note:
        m_panels->setCurrentWidget(m_notePanel);
        break;
    }
    updateSoftKeys();
    focusPanel();
}

void QuickEntryForm::focusPanel()
{
    switch (m_panel) {
    case Panel::Amount:
        m_amountPanel->focusAmount();
        break;
    case Panel::Date:
        m_datePanel->focusFirstBox();
        break;
    case Panel::List:
        m_listPanel->setFocus(Qt::OtherFocusReason);
        break;
    case Panel::Note:
        m_notePanel->focusEdit();
        break;
    }
}

void QuickEntryForm::updateSoftKeys()
{
    const bool previous = m_running && m_position > 0;
    const bool next = m_running && m_position + 1 < static_cast<int>(m_steps.size());
    softKeys()->setCaption(SoftKeyBar::Key::Left, previous ? tr("Previous") : tr("Cancel"));
    softKeys()->setCaption(SoftKeyBar::Key::Right, next ? tr("Next") : tr("OK"));
}

void QuickEntryForm::leftKey()
{
    if (m_running && m_position > 0) {
        --m_position;
        showStep();
        return;
    }
    reject();
}

void QuickEntryForm::confirm()
{
    if (!isVisible() || (m_panel == Panel::Date ? !m_dateTarget : !m_fields))
        return;
    switch (m_panel) {
    case Panel::Amount:
        m_amountPanel->store(*m_fields, m_session.state().settings);
        break;
    case Panel::Date:
        *m_dateTarget = m_datePanel->date();
        break;
    case Panel::List:
        // With nothing chosen the editor keeps what it had.
        if (const std::optional<QString> choice = m_listPanel->choice())
            pickText(*m_fields, m_listTarget) = *choice;
        break;
    case Panel::Note:
        m_fields->note = m_notePanel->text();
        hideSoftInputPanel();
        break;
    }
    if (m_running && m_position + 1 < static_cast<int>(m_steps.size())) {
        ++m_position;
        showStep();
        return;
    }
    m_running = false;
    hideSoftInputPanel();
    closeWith(kResultOk);
}

void QuickEntryForm::reject()
{
    m_running = false;
    FormBase::reject();
}

void QuickEntryForm::orientationChanged(bool landscape)
{
    m_datePanel->setLandscape(landscape);
}

void QuickEntryForm::setVisible(bool visible)
{
    FormBase::setVisible(visible);
    if (visible)
        focusPanel();
}

} // namespace tallyfox
