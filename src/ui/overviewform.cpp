#include "ui/overviewform.h"

namespace tallyfox {

OverviewForm::OverviewForm(Session& session, QWidget* parent)
    : FormBase(QStringLiteral("Tallyfox"), parent), m_session(session)
{
    setObjectName(QStringLiteral("overviewForm"));
}

void OverviewForm::showOverview() {}

} // namespace tallyfox
