#pragma once

#include <QListWidget>

namespace tallyfox {

// The quick entry's pick list: finger-high rows of one of the editor's drop-down lists. A tap on an item
// chooses it; at a desk the arrow keys only move the selection, and Enter chooses.
class ListPanel : public QListWidget
{
    Q_OBJECT

public:
    // The first item of the type list during the wizard: choosing it leaves the type for the user to
    // type in the editor.
    static constexpr auto kCustom = u"Custom";

    explicit ListPanel(QWidget* parent = nullptr);

    // Shows the items (after "Custom" when asked) with the first one that equals the current text
    // selected.
    void fill(const QStringList& items, const QString& current, bool withCustom);
    // The selected item's text; empty for "Custom" and when nothing is selected.
    [[nodiscard]] QString chosenText() const;

Q_SIGNALS:
    // An item was tapped.
    void chosen();

private:
    bool m_withCustom = false;
};

} // namespace tallyfox
