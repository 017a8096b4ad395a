// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "ui/options/columnarrangement.h"

#include <QWidget>

class QListWidget;
class QPushButton;

namespace tallyfox {

// The options' page for the list's columns: the visible ones in order, the hidden ones, and the buttons
// that move, hide and show them. It edits a working arrangement that the dialog saves.
class ColumnsPage : public QWidget
{
    Q_OBJECT

public:
    explicit ColumnsPage(QWidget* parent = nullptr);

    // Fills both lists with nothing selected.
    void setArrangement(const ColumnArrangement& arrangement);
    [[nodiscard]] const ColumnArrangement& arrangement() const { return m_arrangement; }
    void arrange(bool landscape);

    void moveUp();
    void moveDown();
    void hideSelected();
    void showSelected();

private:
    void refill(int visibleSelection, int hiddenSelection);
    void selectionMoved(QListWidget* list);
    void updateButtons();
    [[nodiscard]] int selectedVisible() const;
    [[nodiscard]] int selectedHidden() const;

    ColumnArrangement m_arrangement;
    QListWidget* m_visible;
    QListWidget* m_hidden;
    QPushButton* m_up;
    QPushButton* m_down;
    QPushButton* m_hide;
    QPushButton* m_show;
    bool m_refilling = false;
};

} // namespace tallyfox
