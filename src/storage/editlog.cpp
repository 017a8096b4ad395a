// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "storage/editlog.h"

#include "core/textforms.h"
#include "platform/textencoding.h"

#include <QFileInfo>
#include <QHash>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <thread>

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

// What a log line of an entry takes besides its edit date and texts: tabs, the edit type, the day, the
// amount and the line end, at most.
constexpr qsizetype kLogLineBytes = 64;

// The lines of more entries than this are made by two threads.
constexpr size_t kLinesForTwoThreads = 20000;

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
    return appendBytes(state, std::move(bytes));
}

LogResult EditLog::appendBytes(const AppState& state, QByteArray lines)
{
    return outcome(appendToFile(logFilePath(state), [&lines](const AppendStart& start) {
        // A log removed while the program runs starts again with its header.
        const QByteArray before =
            start.created ? QByteArray(kLogHeader).append("\r\n") : lineEndMissing(start);
        // The lines are many for an import: they go as they are, not copied, when nothing comes before.
        if (!before.isEmpty())
            lines.prepend(before);
        lines.append("\r\n");
        return std::move(lines);
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
    appendEntryLine(line, state, type, index, editDate(state).toUtf8(),
                    dateText(state.entries[index].date, state.locale).toUtf8());
    return QString::fromUtf8(line);
}

void EditLog::appendEntryLine(QByteArray& out, const AppState& state, LogEditType type, int index,
                              QByteArrayView date, QByteArrayView day) const
{
    const Expense& entry = state.entries[index];
    const QString editType = logEditTypeText(type);
    const QStringView texts[] = {
        entry.type.view(),
        entry.intendedSource.view(),
        entry.note.view(),
        entry.paidWith.view(),
        entry.hasReceipt ? entry.receipt.view() : QStringView(u"-"),
    };
    // The line is made in room reserved once: the most its UTF-8 can take, cut to what it took.
    qsizetype room = date.size() + day.size() + 9;
    for (const QStringView text : texts)
        room += text.size() * kMaxUtf8BytesPerUnit;
    room += (editType.size() + entry.currency.size()) * kMaxUtf8BytesPerUnit + 1 + kAmountTextRoom;
    const qsizetype start = out.size();
    // Grown by half, as an append grows it: resizing to the exact size would copy every line.
    if (out.capacity() < start + room)
        out.reserve(std::max(out.capacity() + out.capacity() / 2, start + room));
    out.resize(start + room);
    char* at = out.data() + start;
    const auto putBytes = [&at](QByteArrayView bytes) {
        std::memcpy(at, bytes.data(), size_t(bytes.size()));
        at += bytes.size();
        *at++ = '\t';
    };
    putBytes(date);
    at = putUtf8(at, editType);
    *at++ = '\t';
    putBytes(day);
    at = putUtf8(at, entry.currency.view());
    *at++ = '\t';
    // The amount with the sign the list shows.
    if (entry.income != state.settings.incomeIsPositive)
        *at++ = '-';
    at = putAmountText(at, entry.amount);
    for (const QStringView text : texts) {
        *at++ = '\t';
        at = putUtf8(at, text);
    }
    out.resize(at - out.constData());
}

LogResult EditLog::logEntry(AppState& state, LogEditType type, int index)
{
    // Cleared whether or not the change is logged: after Open, deleting every entry must still reach the
    // file, and that should not depend on the log being switched on.
    state.keepFileIfEmpty = false;
    if (!state.settings.enableLogging || index < 0 || index >= state.entryCount())
        return {};
    QByteArray line;
    appendEntryLine(line, state, type, index, editDate(state).toUtf8(),
                    dateText(state.entries[index].date, state.locale).toUtf8());
    return appendBytes(state, std::move(line));
}

QByteArray EditLog::entryLines(const AppState& state, LogEditType type, std::span<const int> indexes,
                               QByteArrayView editedAt) const
{
    // Room for the lines as they are when their texts are ASCII, as most are, and for the longest line
    // however its texts are written, so that the lines are made without moving them.
    qsizetype characters = 0;
    qsizetype longest = 0;
    for (const int index : indexes) {
        if (index < 0 || index >= state.entryCount())
            continue;
        const Expense& entry = state.entries[index];
        const qsizetype line = kLogLineBytes + editedAt.size() + entry.currency.size() + entry.type.size() +
                               entry.intendedSource.size() + entry.note.size() + entry.paidWith.size() +
                               entry.receipt.size();
        characters += line;
        longest = std::max(longest, line);
    }
    QByteArray lines;
    lines.reserve(characters + longest * kMaxUtf8BytesPerUnit);
    // Many entries share a day (an import of years holds a few thousand), and a day is written the same
    // every time: each is made once.
    QHash<qint64, QByteArray> dayTexts;
    for (const int index : indexes) {
        if (index < 0 || index >= state.entryCount())
            continue;
        const double date = state.entries[index].date;
        // A date that is no day at all is written as dateText writes it, under a key of its own.
        const qint64 dayKey = std::isfinite(date) && std::abs(date) < 1e15
                                  ? qint64(std::floor(date))
                                  : std::numeric_limits<qint64>::min();
        auto day = dayTexts.find(dayKey);
        if (day == dayTexts.end())
            day = dayTexts.insert(dayKey, dateText(date, state.locale).toUtf8());
        if (!lines.isEmpty())
            lines.append("\r\n");
        appendEntryLine(lines, state, type, index, editedAt, *day);
    }
    return lines;
}

LogResult EditLog::logEntries(AppState& state, LogEditType type, const std::vector<int>& indexes)
{
    state.keepFileIfEmpty = false;
    if (!state.settings.enableLogging || indexes.empty())
        return {};
    // Written at once, the lines share their edit date.
    const QByteArray editedAt = editDate(state).toUtf8();
    const std::span<const int> all(indexes);
    QByteArray lines;
    if (all.size() < kLinesForTwoThreads) {
        lines = entryLines(state, type, all, editedAt);
    } else {
        // The lines of many entries (an import) are made in two halves at once.
        const size_t middle = all.size() / 2;
        QByteArray later;
        std::thread second([&] { later = entryLines(state, type, all.subspan(middle), editedAt); });
        lines = entryLines(state, type, all.first(middle), editedAt);
        second.join();
        if (!lines.isEmpty() && !later.isEmpty())
            lines.append("\r\n");
        lines.append(later);
    }
    if (lines.isEmpty())
        return {};
    // The lines go in one append, each ended as the log ends its lines.
    return appendBytes(state, std::move(lines));
}

} // namespace tallyfox
