// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "toolkit/messageform.h"

#include "toolkit/softkeybar.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tallyfox {

MessageForm::MessageForm(Kind kind, const QString& text, QWidget* parent)
    : FormBase(QStringLiteral("Tallyfox"), parent)
{
    setObjectName(QStringLiteral("messageForm"));
    auto* label = new QLabel(text);
    label->setObjectName(QStringLiteral("messageText"));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setTextFormat(Qt::PlainText);
    auto* layout = new QVBoxLayout(content());
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(label, 1);

    const bool question = kind == Kind::Question;
    softKeys()->setCaption(SoftKeyBar::Key::Left, question ? tr("Yes") : QString());
    softKeys()->setKeyEnabled(SoftKeyBar::Key::Left, question);
    softKeys()->setCaption(SoftKeyBar::Key::Right, question ? tr("No") : tr("OK"));
    connect(softKeys(), &SoftKeyBar::keyPressed, this, [this, question](SoftKeyBar::Key key) {
        closeWith(question && key == SoftKeyBar::Key::Right ? kResultCancel : kResultOk);
    });
}

bool MessageForm::ask()
{
    return showModal() == kResultOk;
}

} // namespace tallyfox
