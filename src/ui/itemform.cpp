#include "ui/itemform.h"

#include "ui/quickentryform.h"

namespace tallyfox {

ItemForm::ItemForm(Session& session, QuickEntryForm& quickEntry, QWidget* parent)
    : FormBase(QStringLiteral("New item"), parent), m_session(session), m_quickEntry(quickEntry)
{
    setObjectName(QStringLiteral("itemForm"));
}

void ItemForm::newEntryFlow() {}

void ItemForm::editEntryFlow(int) {}

} // namespace tallyfox
