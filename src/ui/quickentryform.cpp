#include "ui/quickentryform.h"

namespace tallyfox {

QuickEntryForm::QuickEntryForm(Session& session, QWidget* parent)
    : FormBase(QStringLiteral("New item"), parent), m_session(session)
{
    setObjectName(QStringLiteral("quickEntryForm"));
}

void QuickEntryForm::startQuickEntry(EditorFields&) {}

bool QuickEntryForm::editDate(QDateTime&)
{
    return false;
}

bool QuickEntryForm::editAmount(EditorFields&)
{
    return false;
}

bool QuickEntryForm::pickFromList(EditorFields&, PickTarget)
{
    return false;
}

} // namespace tallyfox
