// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/expense.h"

#include <span>

namespace tallyfox {

// Takes the entries of a part of the database file as they are read, a batch at a time, so that a
// command that only sums them never holds them all.
class EntrySink
{
public:
    virtual ~EntrySink() = default;
    // The next entries of the part, in file order; they are gone after the call.
    virtual void take(std::span<const Expense> entries) = 0;
};

// The sinks of the parts of one file. A large file is read in parts at once, on several threads: each
// part has a sink of its own, asked for in file order on the reading thread, and fed on one thread.
class EntrySinks
{
public:
    virtual ~EntrySinks() = default;
    // The sink of the next part; it lives as long as this object.
    virtual EntrySink& nextPart() = 0;
};

} // namespace tallyfox
