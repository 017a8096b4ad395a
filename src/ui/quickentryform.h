#pragma once

#include "toolkit/formbase.h"
#include "ui/editorfields.h"

#include <QDateTime>

namespace tallyfox {

class Session;

// The step-by-step quick entry with finger-sized panels: amount, date, list and note. As a wizard it walks
// through the enabled steps; the item editor and the purge form also open one panel as a single-field
// picker.
class QuickEntryForm : public FormBase
{
    Q_OBJECT

public:
    explicit QuickEntryForm(Session& session, QWidget* parent = nullptr);

    // The wizard: one panel per enabled step, each confirmed value written into fields at once (values of
    // earlier steps stay when a later one is cancelled). With no step enabled the form is not shown.
    void startQuickEntry(EditorFields& fields);

    // Single-field pickers; true when the user confirmed (the value is then written), false on Cancel.
    bool editDate(QDateTime& date);
    bool editAmount(EditorFields& fields);
    bool pickFromList(EditorFields& fields, PickTarget target);

private:
    Session& m_session;
};

} // namespace tallyfox
