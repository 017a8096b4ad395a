#pragma once

#include "toolkit/formbase.h"

namespace tallyfox {

class Prompts;
class QuickEntryForm;
class Session;

// Removes old entries in bulk, all of them or those dated before a chosen day, after a question that
// says how many go.
class PurgeForm : public FormBase
{
    Q_OBJECT

public:
    PurgeForm(Session& session, Prompts& prompts, QuickEntryForm& quickEntry, QWidget* parent = nullptr);

    // Proposes a cut-off one calendar month back and shows the form.
    void showPurge();

private:
    Session& m_session;
    Prompts& m_prompts;
    QuickEntryForm& m_quickEntry;
};

} // namespace tallyfox
