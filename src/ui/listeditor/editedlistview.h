// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QTreeWidget>

namespace tallyfox {

class EditedList;

// The list editor's list: whole rows, two columns with headers for the currencies and their rates, one
// column of names without a header otherwise.
class EditedListView : public QTreeWidget
{
    Q_OBJECT

public:
    static constexpr int kWidth = 160;

    explicit EditedListView(QWidget* parent = nullptr);

    // Shows every row of the list, none selected.
    void fill(const EditedList& list);
    void selectRow(int row);
    // -1 when no row is selected.
    [[nodiscard]] int selectedRow() const;
};

} // namespace tallyfox
