#pragma once

#include "toolkit/formbase.h"

namespace tallyfox {

class Session;

// Totals and month tables of the entries, converted to the primary currency, with a copy to the
// clipboard.
class OverviewForm : public FormBase
{
    Q_OBJECT

public:
    explicit OverviewForm(Session& session, QWidget* parent = nullptr);

    // Builds the chosen view from the entries and shows the form.
    void showOverview();

private:
    Session& m_session;
};

} // namespace tallyfox
