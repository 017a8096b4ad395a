// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/growablearray.h"

#include <QString>
#include <QTemporaryDir>
#include <map>

namespace tallyfox::bench {

// Generated database files in a temporary folder that lives as long as the benchmark program. Each
// size is generated on first use, always with the same seed, so runs compare like with like.
class BenchFiles
{
public:
    static BenchFiles& instance();

    // The path of a database file with this many entries.
    [[nodiscard]] QString databasePath(int entries);
    // The entries of that file as the program reads them.
    [[nodiscard]] const ExpenseArray& entries(int entries);
    // A path in the temporary folder for a benchmark to write to.
    [[nodiscard]] QString scratchPath(const QString& name) const;

private:
    BenchFiles();

    QTemporaryDir m_folder;
    std::map<int, QString> m_paths;
    std::map<int, ExpenseArray> m_entries;
};

} // namespace tallyfox::bench
