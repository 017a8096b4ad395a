#include "toolkit/messageform.h"

#include "toolkit/softkeybar.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tallyfox {

MessageForm::MessageForm(Kind kind, const QString& text, QWidget* parent)
    : FormBase(QStringLiteral("Tallyfox"), parent), m_text(new QLabel(text))
{
    setObjectName(QStringLiteral("messageForm"));
    m_text->setObjectName(QStringLiteral("messageText"));
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_text->setTextFormat(Qt::PlainText);
    auto* layout = new QVBoxLayout(content());
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_text, 1);

    const bool question = kind == Kind::Question;
    softKeys()->setCaption(SoftKeyBar::Key::Left, question ? QStringLiteral("Yes") : QString());
    softKeys()->setKeyEnabled(SoftKeyBar::Key::Left, question);
    softKeys()->setCaption(SoftKeyBar::Key::Right, question ? QStringLiteral("No") : QStringLiteral("OK"));
    connect(softKeys(), &SoftKeyBar::keyPressed, this, [this, question](SoftKeyBar::Key key) {
        closeWith(question && key == SoftKeyBar::Key::Right ? kResultCancel : kResultOk);
    });
}

bool MessageForm::ask()
{
    return showModal() == kResultOk;
}

} // namespace tallyfox
