#include "ui/forms.h"

#include "toolkit/prompts.h"

namespace tallyfox {

Forms::Forms(Session& session, Prompts& prompts)
    : m_prompts(prompts), m_main(session, prompts), m_about(&m_main), m_quickEntry(session, &m_main),
      m_item(session, m_quickEntry, &m_main), m_purge(session, prompts, m_quickEntry, &m_main)
{
    m_main.setAboutHandler([this] { m_about.showModal(); });
    // Still to come: the item editor (new and edited entries), the options, the purge and the overview.
    m_main.setNewItemHandler([this] { notAvailable(); });
    m_main.setEditEntryHandler([this](int) { notAvailable(); });
    m_main.setOptionsHandler([this] { notAvailable(); });
    m_main.setPurgeHandler([this] { m_purge.showPurge(); });
    m_main.setOverviewHandler([this] { notAvailable(); });
}

void Forms::notAvailable()
{
    m_prompts.message(&m_main, QStringLiteral("Not available yet"));
}

} // namespace tallyfox
