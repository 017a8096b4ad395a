#include "storage/editlog.h"

#include "core/textforms.h"
#include "platform/textencoding.h"

#include <QFile>
#include <QStringList>

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

// What a log cut short (by a full disk, or a kill mid-write) needs before the next line, so that the cut
// record and the next one never merge: nothing after a whole line, else the rest of a line end.
QByteArray lineEndMissing(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0 || !file.seek(file.size() - 1))
        return {};
    char last = 0;
    if (!file.getChar(&last) || last == '\n')
        return {};
    return last == '\r' ? QByteArray("\n") : QByteArray("\r\n");
}

} // namespace

LogResult EditLog::createLogIfMissing(const AppState& state)
{
    const QString path = logFilePath(state);
    if (QFile::exists(path))
        return {};
    return outcome(writeFileAtomically(path, [](QIODevice& device) {
        const QByteArray header = QByteArray(kLogHeader) + "\r\n";
        return device.write(header) == header.size();
    }));
}

LogResult EditLog::appendLine(const AppState& state, const QString& line)
{
    const QString path = logFilePath(state);
    QFile file(path);
    // A log removed while the program runs starts again with its header.
    const bool isNew = !file.exists();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append,
                   QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return outcome(FileResult::deviceFailure(FileAction::Write, path, file));
    QByteArray bytes;
    if (isNew)
        bytes.append(kLogHeader).append("\r\n");
    else
        bytes.append(lineEndMissing(path));
    appendUtf8(bytes, line);
    bytes.append("\r\n");
    if (file.write(bytes) != bytes.size() || !file.flush())
        return outcome(FileResult::deviceFailure(FileAction::Write, path, file));
    file.close();
    if (file.error() != QFileDevice::NoError)
        return outcome(FileResult::deviceFailure(FileAction::Write, path, file));
    return outcome({});
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
    const Expense& entry = state.entries[index];
    const QStringList fields = {
        editDate(state),
        logEditTypeText(type),
        dateText(entry.date, state.locale),
        entry.currency,
        entryAmountText(entry, state.settings.incomeIsPositive),
        entry.type,
        entry.intendedSource,
        entry.note,
        entry.paidWith,
        receiptText(entry),
    };
    return fields.join(u'\t');
}

LogResult EditLog::logEntry(AppState& state, LogEditType type, int index)
{
    // Cleared whether or not the change is logged: after Open, deleting every entry must still reach the
    // file, and that should not depend on the log being switched on.
    state.keepFileIfEmpty = false;
    if (!state.settings.enableLogging || index < 0 || index >= state.entryCount())
        return {};
    return appendLine(state, entryLine(state, type, index));
}

} // namespace tallyfox
