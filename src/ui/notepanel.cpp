#include "ui/notepanel.h"

#include "toolkit/programfont.h"

#include <QLabel>
#include <QLineEdit>

namespace tallyfox {

namespace {

constexpr int kNoteLineHeight = 30;

} // namespace

NotePanel::NotePanel(QWidget* parent) : QWidget(parent), m_edit(new QLineEdit(this))
{
    setObjectName(QStringLiteral("notePanel"));
    auto* label = new QLabel(QStringLiteral("Note"), this);
    label->setObjectName(QStringLiteral("noteLabel"));
    label->setFont(programfont::forLineHeight(kNoteLineHeight));
    label->setGeometry(7, 3, 105, 32);
    m_edit->setObjectName(QStringLiteral("noteEdit"));
    m_edit->setFont(programfont::forLineHeight(kNoteLineHeight));
    m_edit->setGeometry(7, 43, 220, 32);
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
}

} // namespace tallyfox
