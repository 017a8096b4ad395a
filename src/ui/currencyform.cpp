#include "ui/currencyform.h"

namespace tallyfox {

CurrencyForm::CurrencyForm(QWidget* parent) : FormBase(QStringLiteral("Tallyfox"), parent)
{
    setObjectName(QStringLiteral("currencyForm"));
}

bool CurrencyForm::editList(QStringList&, QStringList*)
{
    return false;
}

} // namespace tallyfox
