#pragma once

#include "toolkit/formbase.h"

#include <QStringList>

namespace tallyfox {

// The list editor: the currencies with their rates, or one of the three name lists. It edits copies; the
// caller's lists change only when the user closes it with "OK".
class CurrencyForm : public FormBase
{
    Q_OBJECT

public:
    explicit CurrencyForm(QWidget* parent = nullptr);

    // Edits names, and with rates (not null) the currencies' rate texts beside them, row 0 being the
    // primary currency. True when the user chose "OK": the lists then hold the result.
    bool editList(QStringList& names, QStringList* rates);
};

} // namespace tallyfox
