// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

namespace tallyfox {

// The program's one clock. It reads the system time unless it is pinned, which tests and the
// command line do (TALLYFOX_NOW, --today).
class Clock
{
public:
    Clock() = default;
    explicit Clock(const QDateTime& pinned) : m_pinned(pinned) {}

    // The system clock, or the time that TALLYFOX_NOW pins when it is set and readable.
    [[nodiscard]] static Clock fromEnvironment();
    // Why TALLYFOX_NOW cannot pin the clock, when it is set to something that is no date; the programs
    // refuse to run by a clock other than the one asked for.
    [[nodiscard]] static std::optional<QString> environmentProblem();
    // Reads "YYYY-MM-DD" or "YYYY-MM-DDTHH:MM:SS" as a local date and time.
    [[nodiscard]] static std::optional<QDateTime> parsePinnedTime(const QString& text);

    [[nodiscard]] QDateTime now() const;
    [[nodiscard]] QDate today() const { return now().date(); }
    [[nodiscard]] bool isPinned() const { return m_pinned.has_value(); }

private:
    std::optional<QDateTime> m_pinned;
};

} // namespace tallyfox
