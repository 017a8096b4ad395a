// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/growablearray.h"

#include <QString>
#include <cstdint>

namespace tallyfox::bench {

struct GeneratorOptions
{
    int entries = 1000;
    int years = 20;
    // The last year of the span; fixed so that the output does not depend on the day it is made.
    int lastYear = 2024;
    std::uint64_t seed = 1;
};

// Entries as a person collects them over the years: in the order they were typed (by date, some
// typed a few days late), mostly expenses with about one income in ten, several currencies, receipts
// numbered upwards on some entries, notes of up to 40 characters. The same options give the same
// entries.
[[nodiscard]] ExpenseArray generateEntries(const GeneratorOptions& options);

// Writes generated entries to a database file with the program's own writer. Empty on success, else
// the message naming the file and the reason.
[[nodiscard]] QString writeGeneratedDatabase(const GeneratorOptions& options, const QString& path);

} // namespace tallyfox::bench
