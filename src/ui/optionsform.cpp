#include "ui/optionsform.h"

#include "ui/currencyform.h"

namespace tallyfox {

OptionsForm::OptionsForm(Session& session, Prompts& prompts, CurrencyForm& listEditor, QWidget* parent)
    : FormBase(QStringLiteral("Tallyfox"), parent), m_session(session), m_prompts(prompts),
      m_listEditor(listEditor)
{
    setObjectName(QStringLiteral("optionsForm"));
}

void OptionsForm::showOptions() {}

} // namespace tallyfox
