// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QWidget>

class QLineEdit;

namespace tallyfox {

// The quick entry's note: a label and one line of text, both large.
class NotePanel : public QWidget
{
    Q_OBJECT

public:
    explicit NotePanel(QWidget* parent = nullptr);

    void setText(const QString& text);
    [[nodiscard]] QString text() const;
    void focusEdit();

private:
    QLineEdit* m_edit;
};

} // namespace tallyfox
