// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/purge/purgeform.h"

#include "session/purge.h"
#include "session/session.h"
#include "toolkit/prompts.h"
#include "toolkit/softkeybar.h"
#include "ui/quickentry/quickentryform.h"
#include "ui/widgets/datepicker.h"

#include <QDateEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace tallyfox {

PurgeForm::PurgeForm(Session& session, Prompts& prompts, QuickEntryForm& quickEntry, QWidget* parent)
    : FormBase(QStringLiteral("Tallyfox"), parent), m_session(session), m_prompts(prompts),
      m_quickEntry(quickEntry), m_all(new QRadioButton(tr("Delete all entries"))),
      m_before(new QRadioButton(tr("Delete entries before:"))), m_cutOff(new QDateEdit),
      m_pick(new QPushButton(tr("Pick")))
{
    setObjectName(QStringLiteral("purgeForm"));
    m_all->setObjectName(QStringLiteral("purgeAllButton"));
    m_before->setObjectName(QStringLiteral("purgeBeforeButton"));
    m_cutOff->setObjectName(QStringLiteral("purgeCutOff"));
    m_pick->setObjectName(QStringLiteral("purgePickButton"));

    // The picker shows the day as the rest of the program writes it.
    const QLocale& locale = m_session.state().locale.locale();
    showDatesAsTheUserWrites(*m_cutOff, locale);
    m_cutOff->setCalendarPopup(true);
    m_cutOff->setAccessibleName(tr("Delete entries before"));
    m_cutOff->setInputMethodHints(Qt::ImhDate | Qt::ImhPreferNumbers);
    m_pick->setAccessibleName(tr("Pick the date"));
    m_before->setChecked(true);
    // Enter in the form purges; only a focused "Pick" takes Enter for itself.
    m_pick->setAutoDefault(false);
    m_pick->setToolTip(tr("Choose the date on a finger-sized panel"));

    place(m_all, 16, 24, 144, 24);
    place(m_before, 16, 56, 160, 24);
    // The picker keeps its natural width, short of "Pick".
    place(m_cutOff, 40, 88, std::min(m_cutOff->sizeHint().width(), 152 - 4 - 40), 21);
    place(m_pick, 152, 88, 46, 21);
    setTabOrder(m_all, m_before);
    setTabOrder(m_before, m_cutOff);
    setTabOrder(m_cutOff, m_pick);

    softKeys()->setCaption(SoftKeyBar::Key::Left, tr("Cancel"));
    softKeys()->setCaption(SoftKeyBar::Key::Right, tr("Purge"));
    connect(softKeys(), &SoftKeyBar::keyPressed, this, [this](SoftKeyBar::Key key) {
        if (key == SoftKeyBar::Key::Left)
            reject();
        else if (purge())
            closeWith(kResultOk);
    });
    connect(m_all, &QRadioButton::toggled, this, &PurgeForm::updateEnablement);
    connect(m_before, &QRadioButton::toggled, this, &PurgeForm::updateEnablement);
    connect(m_pick, &QPushButton::clicked, this, &PurgeForm::pickCutOff);
    updateEnablement();
}

void PurgeForm::prepare()
{
    m_cutOff->setDate(proposedPurgeCutOff(m_session));
    updateEnablement();
    (m_all->isChecked() ? m_all : m_before)->setFocus();
}

void PurgeForm::showPurge()
{
    prepare();
    showModal();
}

void PurgeForm::updateEnablement()
{
    const bool before = m_before->isChecked();
    m_cutOff->setEnabled(before);
    m_pick->setEnabled(before);
}

void PurgeForm::pickCutOff()
{
    QDateTime date(m_cutOff->date(), QTime(0, 0));
    if (m_quickEntry.editDate(date))
        m_cutOff->setDate(date.date());
}

bool PurgeForm::purge()
{
    if (m_all->isChecked()) {
        if (!m_prompts.question(this, tr("Do you really want to delete all entries?")))
            return false;
        purgeAllEntries(m_session);
    } else {
        const QDate cutOff = m_cutOff->date();
        const int count = countEntriesBefore(m_session.state(), cutOff);
        if (!m_prompts.question(this, tr("%1 entries will be deleted. Do you want to continue?").arg(count)))
            return false;
        purgeEntriesBefore(m_session, cutOff);
    }
    showProblems();
    return true;
}

void PurgeForm::showProblems()
{
    for (const QString& problem : m_session.takeMessages())
        m_prompts.message(this, problem);
}

} // namespace tallyfox
