#pragma once

#include "toolkit/formbase.h"

namespace tallyfox {

class QuickEntryForm;
class Session;

// The item editor: every field of one entry at once. It stores a new entry or changes an existing one
// through the session, which logs it, remembers the last used values and refreshes the list.
class ItemForm : public FormBase
{
    Q_OBJECT

public:
    ItemForm(Session& session, QuickEntryForm& quickEntry, QWidget* parent = nullptr);

    // Opens the editor on a new entry, preset with the last used values and today.
    void newEntryFlow();
    // Opens the editor on the entry at index.
    void editEntryFlow(int index);

private:
    Session& m_session;
    QuickEntryForm& m_quickEntry;
};

} // namespace tallyfox
