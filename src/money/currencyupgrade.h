// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QStringList>
#include <optional>

namespace tallyfox {

// The currency section of an earlier version, rewritten with rates: the first currency becomes the
// primary one, US$ and GBP get their old standard rates when EUR comes first, every other currency 1.00.
struct CurrencySectionUpgrade
{
    QStringList lines;
    // More than one currency got a rate made up: the user should check them in the options.
    bool announce = false;
};

// Nothing when the section is empty or its first line already marks the primary currency.
[[nodiscard]] std::optional<CurrencySectionUpgrade> upgradedCurrencySection(const QStringList& lines);

} // namespace tallyfox
