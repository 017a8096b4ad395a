// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/appstate.h"
#include "core/daycount.h"
#include "platform/clock.h"
#include "platform/registry.h"
#include "platform/registrykey.h"
#include "session/session.h"
#include "storage/databasefile.h"
#include "storage/editlog.h"
#include "support/entrybuilder.h"
#include "support/printers.h"
#include "support/testenvironment.h"

#include <QBuffer>
#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>

namespace tallyfox::test {

// The moment every session test runs at.
inline const QDateTime kSessionNow(QDate(2010, 1, 3), QTime(12, 30, 45));

inline EntryDraft makeDraft(const EntryValues& values)
{
    EntryDraft draft;
    draft.type = QString::fromUtf8(values.type);
    draft.currency = QString::fromUtf8(values.currency);
    draft.amount = values.amount;
    draft.income = values.income;
    draft.date = values.date;
    draft.hasReceipt = values.receipt != nullptr;
    draft.receipt = values.receipt != nullptr ? QString::fromUtf8(values.receipt) : QString();
    draft.note = QString::fromUtf8(values.note);
    draft.intendedSource = QString::fromUtf8(values.source);
    draft.paidWith = QString::fromUtf8(values.paidWith);
    return draft;
}

// The lines of a file written with CR LF, without their line ends.
inline QStringList fileLines(const QString& path)
{
    QString text = QString::fromUtf8(readFileBytes(path));
    if (text.endsWith(QStringLiteral("\r\n")))
        text.chop(2);
    return text.isEmpty() ? QStringList() : text.split(QStringLiteral("\r\n"));
}

// The line reader tells the header from other lines; until it does, rules that depend on it are skipped.
inline bool readerSummarisesLines(const QString& folder)
{
    AppState probe{pinnedLocale()};
    probe.databasePath = folder + QStringLiteral("/probe.tfx");
    writeFileBytes(probe.databasePath, QByteArray(kDatabaseHeader.data(), kDatabaseHeader.size()) + "\r\n");
    DatabaseReadSummary summary;
    const FileResult read = readDatabaseFile(probe, nullptr, &summary);
    EXPECT_TRUE(read.ok()) << read.message().toStdString();
    QFile::remove(probe.databasePath);
    return summary.headerSeen;
}

// A session over a state of its own: the pinned locale and clock, a registry file and a settings folder
// (holding the edit log) in a temporary folder of the test.
class SessionTest : public ::testing::Test
{
protected:
    SessionTest()
    {
        state.settingsFolder = folder.path() + u'/';
        state.databasePath = file(QStringLiteral("TallyfoxData.tfx"));
    }

    [[nodiscard]] QString file(const QString& name) const { return folder.file(name); }

    void addEntries(std::initializer_list<EntryValues> entries)
    {
        for (const EntryValues& values : entries)
            state.entries.append(makeExpense(values));
    }

    [[nodiscard]] QStringList types() const
    {
        QStringList list;
        for (const Expense& entry : state.entries)
            list << entry.type;
        return list;
    }

    // The lines of the edit log after its header, each without the edit date: a message text, or the
    // edit type and the entry's values joined by tabs.
    [[nodiscard]] QStringList logTexts() const
    {
        QStringList texts;
        if (!QFileInfo::exists(logFilePath(state)))
            return texts;
        const QStringList lines = fileLines(logFilePath(state));
        for (qsizetype i = 1; i < lines.size(); ++i)
            texts << lines[i].section(u'\t', 1);
        return texts;
    }

    // The database file content that holds these entries.
    [[nodiscard]] static QByteArray databaseBytes(const ExpenseArray& entries)
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(writeDatabaseContent(buffer, entries, entries.count()));
        return buffer.data();
    }

    void seedRegistry(const QByteArray& mainValues, const QByteArray& columnValues = {}) const
    {
        writeFileBytes(registryFile, "[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n" + mainValues +
                                         "[HKEY_LOCAL_MACHINE\\Software\\Tallyfox\\Columns]\r\n" +
                                         columnValues);
    }

    [[nodiscard]] std::optional<RegistryValue>
    stored(QStringView name, const QString& key = QStringLiteral("Software\\Tallyfox"))
    {
        return registry.open(key).value(name);
    }

    TempFolder folder;
    QString registryFile = folder.file(QStringLiteral("registry.reg"));
    Registry registry{registryFile};
    AppState state{pinnedLocale()};
    Clock clock{kSessionNow};
    Session session{state, clock, registry};
};

} // namespace tallyfox::test
