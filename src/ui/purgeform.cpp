#include "ui/purgeform.h"

#include "ui/quickentryform.h"

namespace tallyfox {

PurgeForm::PurgeForm(Session& session, Prompts& prompts, QuickEntryForm& quickEntry, QWidget* parent)
    : FormBase(QStringLiteral("Tallyfox"), parent), m_session(session), m_prompts(prompts),
      m_quickEntry(quickEntry)
{
    setObjectName(QStringLiteral("purgeForm"));
}

void PurgeForm::showPurge() {}

} // namespace tallyfox
