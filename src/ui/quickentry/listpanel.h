// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QListWidget>
#include <optional>

namespace tallyfox {

// The quick entry's pick list: finger-high rows of one of the editor's drop-down lists. A tap on an item
// chooses it; at a desk the arrow keys only move the selection, and Enter chooses.
class ListPanel : public QListWidget
{
    Q_OBJECT

public:
    explicit ListPanel(QWidget* parent = nullptr);

    // Shows the items (after "Custom" when asked), then under a heading and in italics the values from
    // the entries, with the current text chosen, so that what shows as chosen is what "OK" keeps: the
    // first item or value that equals it, or the text itself added at the top when none does. An empty
    // text is "Custom" where that is offered; otherwise nothing is chosen.
    void fill(const QStringList& items, const QStringList& fromEntries, const QString& current,
              bool withCustom);
    // What the user chose: the chosen item's text, empty for "Custom"; nothing when no item is chosen.
    [[nodiscard]] std::optional<QString> choice() const;

Q_SIGNALS:
    // An item was tapped.
    void chosen();

protected:
    // With nothing chosen no item is marked either, not even as the keys' starting point.
    void focusInEvent(QFocusEvent* event) override;

private:
    bool m_withCustom = false;
};

} // namespace tallyfox
