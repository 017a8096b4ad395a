// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "storage/editlog.h"

#include "core/textforms.h"
#include "platform/textencoding.h"

#include <QFileInfo>
#include <QStringList>
#include <cmath>

namespace tallyfox {

QString logEditTypeText(LogEditType type)
{
    switch (type) {
    case LogEditType::New:
        return QStringLiteral("New");
    case LogEditType::EditFrom:
        return QStringLiteral("EditFrom");
    case LogEditType::EditTo:
        return QStringLiteral("EditTo");
    case LogEditType::Delete:
        return QStringLiteral("Delete");
    }
    return {};
}

QString logFilePath(const AppState& state)
{
    return state.settingsFolder + QString::fromUtf16(kLogFileName);
}

LogResult EditLog::outcome(FileResult result)
{
    if (result.ok()) {
        m_failing = false;
        return {};
    }
    const bool newFailure = !m_failing;
    m_failing = true;
    return LogResult(std::move(result), newFailure);
}

namespace {

// About what a log line of an entry takes, for reserving the buffer of many.
constexpr qsizetype kLogLineBytesGuess = 96;

// What a log cut short (by a kill mid-write) needs before the next line, so that the cut record and the
// next one never merge: nothing after a whole line, else the rest of a line end.
QByteArray lineEndMissing(const AppendStart& start)
{
    if (start.size == 0 || start.lastByte == '\n')
        return {};
    return start.lastByte == '\r' ? QByteArray("\n") : QByteArray("\r\n");
}

} // namespace

LogResult EditLog::createLogIfMissing(const AppState& state)
{
    const QString path = logFilePath(state);
    const QFileInfo info(path);
    if (info.isFile())
        return {};
    // A FIFO or device in the log's place is told at once; the empty append names what it is.
    if (info.exists())
        return outcome(appendToFile(path, [](const AppendStart&) { return QByteArray(); }));
    return outcome(writeFileAtomically(path, [](QIODevice& device) {
        const QByteArray header = QByteArray(kLogHeader) + "\r\n";
        return device.write(header) == header.size();
    }));
}

LogResult EditLog::appendLine(const AppState& state, const QString& line)
{
    QByteArray bytes;
    appendUtf8(bytes, line);
    return appendBytes(state, bytes);
}

LogResult EditLog::appendBytes(const AppState& state, const QByteArray& lines)
{
    return outcome(appendToFile(logFilePath(state), [&lines](const AppendStart& start) {
        QByteArray bytes;
        // A log removed while the program runs starts again with its header.
        if (start.created)
            bytes.append(kLogHeader).append("\r\n");
        else
            bytes.append(lineEndMissing(start));
        bytes.reserve(bytes.size() + lines.size() + 2);
        bytes.append(lines);
        bytes.append("\r\n");
        return bytes;
    }));
}

QString EditLog::editDate(const AppState& state) const
{
    const QDateTime now = m_clock.now();
    return state.locale.shortDate(now.date()) + u' ' + state.locale.timeWithSeconds(now.time());
}

LogResult EditLog::logMessage(const AppState& state, const QString& text)
{
    if (!state.settings.enableLogging)
        return {};
    return appendLine(state, editDate(state) + u'\t' + text);
}

QString EditLog::entryLine(const AppState& state, LogEditType type, int index) const
{
    QByteArray line;
    appendEntryLine(line, state, type, index, editDate(state),
                    dateText(state.entries[index].date, state.locale));
    return QString::fromUtf8(line);
}

void EditLog::appendEntryLine(QByteArray& out, const AppState& state, LogEditType type, int index,
                              const QString& date, const QString& day) const
{
    const Expense& entry = state.entries[index];
    const QString fields[] = {
        date,
        logEditTypeText(type),
        day,
        entry.currency,
        entryAmountText(entry, state.settings.incomeIsPositive),
        entry.type,
        entry.intendedSource,
        entry.note,
        entry.paidWith,
        receiptText(entry),
    };
    bool first = true;
    for (const QString& field : fields) {
        if (!first)
            out.append('\t');
        first = false;
        appendUtf8(out, field);
    }
}

LogResult EditLog::logEntry(AppState& state, LogEditType type, int index)
{
    // Cleared whether or not the change is logged: after Open, deleting every entry must still reach the
    // file, and that should not depend on the log being switched on.
    state.keepFileIfEmpty = false;
    if (!state.settings.enableLogging || index < 0 || index >= state.entryCount())
        return {};
    QByteArray line;
    appendEntryLine(line, state, type, index, editDate(state),
                    dateText(state.entries[index].date, state.locale));
    return appendBytes(state, line);
}

LogResult EditLog::logEntries(AppState& state, LogEditType type, const std::vector<int>& indexes)
{
    state.keepFileIfEmpty = false;
    if (!state.settings.enableLogging || indexes.empty())
        return {};
    // Written at once, the lines share their edit date; they are made in one buffer.
    const QString date = editDate(state);
    QByteArray lines;
    lines.reserve(qsizetype(indexes.size()) * kLogLineBytesGuess);
    // Entries come mostly in date order: the day of the entry before is usually the day again.
    double lastDay = std::nan("");
    QString dayText;
    for (const int index : indexes) {
        if (index < 0 || index >= state.entryCount())
            continue;
        const double day = std::floor(state.entries[index].date);
        if (!(day == lastDay)) {
            lastDay = day;
            dayText = dateText(state.entries[index].date, state.locale);
        }
        if (!lines.isEmpty())
            lines.append("\r\n");
        appendEntryLine(lines, state, type, index, date, dayText);
    }
    if (lines.isEmpty())
        return {};
    // The lines go in one append, each ended as the log ends its lines.
    return appendBytes(state, lines);
}

} // namespace tallyfox
