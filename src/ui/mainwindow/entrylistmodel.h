#pragma once

#include "core/appstate.h"

#include <QAbstractTableModel>

namespace tallyfox {

// The entries as the list shows them: one row per entry in array order, nine logical columns. Rows are
// not copied: the view asks only for the cells it draws, and a refresh is one model reset.
class EntryListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit EntryListModel(const AppState& state, QObject* parent = nullptr);

    [[nodiscard]] const AppState& state() const { return m_state; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Rebuilds all rows from the entries (none while the run only adds one entry).
    void reset();
    // The caption of the primary amount column: the primary currency's name.
    void setPrimaryCaption(const QString& caption);

private:
    const AppState& m_state;
    int m_rows = 0;
    QString m_primaryCaption = QStringLiteral("EUR");
};

} // namespace tallyfox
