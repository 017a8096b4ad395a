// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/appstate.h"
#include "platform/clock.h"
#include "platform/filesystem.h"

#include <QByteArray>
#include <QString>
#include <span>
#include <vector>

namespace tallyfox {

// The edit log: an append-only, tab-separated record of every change to the entries and every file
// command, for the user to read. The program never reads it back.
inline constexpr char16_t kLogFileName[] = u"Tallyfox.log";
inline constexpr char kLogHeader[] =
    "Edit date\tEdit type\tDate\tI/O\tCurrency\tAmount\tType\tIntended source\tPaid with\tReceipt\tNote";

enum class LogEditType
{
    New,
    EditFrom,
    EditTo,
    Delete,
};

[[nodiscard]] QString logEditTypeText(LogEditType type);
[[nodiscard]] QString logFilePath(const AppState& state);

// The outcome of writing to the log. A log that cannot be written fails for every line until it works
// again; only the first failure of such a run is new, so the user hears of it once.
class [[nodiscard]] LogResult
{
public:
    LogResult() = default;
    LogResult(FileResult result, bool newFailure) : m_result(std::move(result)), m_newFailure(newFailure) {}

    [[nodiscard]] bool ok() const { return m_result.ok(); }
    [[nodiscard]] QString message() const { return m_result.message(); }
    [[nodiscard]] const FileResult& result() const { return m_result; }
    // A failure after the log last worked (or since the start): the one to report.
    [[nodiscard]] bool isNewFailure() const { return m_newFailure; }

private:
    FileResult m_result;
    bool m_newFailure = false;
};

class EditLog
{
public:
    explicit EditLog(const Clock& clock) : m_clock(clock) {}

    // Start-up: creates the log with its header line when the settings folder has none, whether logging
    // is on or not.
    LogResult createLogIfMissing(const AppState& state);
    // Appends "edit date<TAB>text" when logging is on.
    LogResult logMessage(const AppState& state, const QString& text);
    // Appends a line with the values of the entry at index when logging is on. An entry change also lets
    // later refreshes write the database even when it becomes empty, logged or not.
    LogResult logEntry(AppState& state, LogEditType type, int index);
    // The same for several entries at once, in one append.
    LogResult logEntries(AppState& state, LogEditType type, const std::vector<int>& indexes);

    // The current date and time as the log writes it: short date, a space, the time with seconds.
    [[nodiscard]] QString editDate(const AppState& state) const;
    // The line for the entry at index, without its line end.
    [[nodiscard]] QString entryLine(const AppState& state, LogEditType type, int index) const;

private:
    // Appends the line as UTF-8, with the edit date and the entry's day as shown (in UTF-8), made once
    // for many lines.
    void appendEntryLine(QByteArray& out, const AppState& state, LogEditType type, int index,
                         QByteArrayView date, QByteArrayView day) const;
    // The lines of the entries at indexes, one after another with no line end after the last.
    [[nodiscard]] QByteArray entryLines(const AppState& state, LogEditType type, std::span<const int> indexes,
                                        QByteArrayView editedAt) const;
    LogResult appendLine(const AppState& state, const QString& line);
    // Appends lines already in UTF-8, without their last line end.
    LogResult appendBytes(const AppState& state, QByteArray lines);
    LogResult outcome(FileResult result);

    Clock m_clock;
    bool m_failing = false;
};

} // namespace tallyfox
