// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/quickentry/notepanel.h"

#include "toolkit/programfont.h"

#include <QLabel>
#include <QLineEdit>

namespace tallyfox {

namespace {

constexpr int kNoteLineHeight = 30;
constexpr int kNoteEditHeight = 32;

} // namespace

NotePanel::NotePanel(QWidget* parent) : QWidget(parent), m_edit(new QLineEdit(this))
{
    setObjectName(QStringLiteral("notePanel"));
    auto* label = new QLabel(tr("Note"), this);
    label->setObjectName(QStringLiteral("noteLabel"));
    label->setFont(programfont::forLineHeight(kNoteLineHeight));
    label->setGeometry(7, 3, 105, 32);
    m_edit->setObjectName(QStringLiteral("noteEdit"));
    m_edit->setAccessibleName(tr("Note"));
    // The line of text and the edit's frame share its 32 pixels: the text gives up what the frame needs,
    // so that no descender is cut.
    m_edit->setFont(programfont::forLineHeight(kNoteLineHeight));
    const int frame = m_edit->sizeHint().height() - m_edit->fontMetrics().height();
    if (kNoteLineHeight + frame > kNoteEditHeight)
        m_edit->setFont(programfont::forLineHeight(kNoteEditHeight - frame));
    m_edit->setGeometry(7, 43, 220, kNoteEditHeight);
}

void NotePanel::setText(const QString& text)
{
    m_edit->setText(text);
}

QString NotePanel::text() const
{
    return m_edit->text();
}

void NotePanel::focusEdit()
{
    m_edit->setFocus(Qt::OtherFocusReason);
    // Typing adds to the note; the whole note is not selected to be replaced.
    m_edit->end(false);
}

} // namespace tallyfox
