// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QDate>
#include <QLabel>

namespace tallyfox {

struct AppState;

// The line below the entry list that tells how this month stands, "This month: expenses X · income Y" in
// the primary currency, with the overview's warning below it when some amounts cannot be converted and
// are left out. A tap opens the overview. It is a finger high whatever the window's width: the sums stand
// on one line where they fit, else on two in a smaller face.
class MonthLine : public QLabel
{
    Q_OBJECT

public:
    explicit MonthLine(QWidget* parent = nullptr);

    // Sums this month's entries anew, only while the line is shown.
    void refresh(const AppState& state, QDate today);
    // Shows or hides the line (the options' choice) and, when shown, sums the entries.
    void setShown(bool shown, const AppState& state, QDate today);

Q_SIGNALS:
    void tapped();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fit();

    QString m_sums;
    bool m_warning = false;
    bool m_shown = true;
    bool m_pressed = false;
};

} // namespace tallyfox
