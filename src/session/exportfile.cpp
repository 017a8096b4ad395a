// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/exportfile.h"

#include "core/daycount.h"
#include "core/textforms.h"
#include "money/currencytable.h"
#include "platform/chunkedwriter.h"
#include "platform/textencoding.h"
#include "session/journalentries.h"
#include "session/jsonentries.h"

#include <array>

namespace tallyfox {

namespace {

void appendExportLine(QByteArray& out, std::initializer_list<QString> fields)
{
    bool first = true;
    for (const QString& field : fields) {
        if (!first)
            out.append('\t');
        appendUtf8Field(out, field);
        first = false;
    }
    out.append("\r\n");
}

// A CSV field: in quotes, its quotes doubled, when it holds a comma, a quote, a line end or blanks at
// its ends.
void appendCsvField(QByteArray& out, const QString& field)
{
    const bool quoted = field.contains(u',') || field.contains(u'"') || field.contains(u'\r') ||
                        field.contains(u'\n') ||
                        (!field.isEmpty() && (field.front().isSpace() || field.back().isSpace()));
    if (!quoted) {
        appendUtf8(out, field);
        return;
    }
    out.append('"');
    appendUtf8(out, QString(field).replace(u'"', QStringLiteral("\"\"")));
    out.append('"');
}

} // namespace

void appendCsvLine(QByteArray& out, const QStringList& fields)
{
    bool first = true;
    for (const QString& field : fields) {
        if (!first)
            out.append(',');
        appendCsvField(out, field);
        first = false;
    }
    out.append("\r\n");
}

namespace {

bool writeCsvContent(QIODevice& device, const AppState& state)
{
    const bool incomeIsPositive = state.settings.incomeIsPositive;
    const QString primaryName = state.currencyCount() > 0 ? state.currencies[0].name : QString();
    ChunkedWriter out(device);
    appendCsvLine(out.buffer(),
                  {QStringLiteral("Date"), QStringLiteral("Currency"), QStringLiteral("Amount"), primaryName,
                   QStringLiteral("Type"), QStringLiteral("Intended source"), QStringLiteral("Paid with"),
                   QStringLiteral("Receipt"), QStringLiteral("Note")});
    for (const Expense& entry : state.entries) {
        const QDate date = qdateFromDayCount(entry.date);
        appendCsvLine(out.buffer(),
                      {date.isValid() ? date.toString(Qt::ISODate) : QString(), entry.currency,
                       entryAmountText(entry, incomeIsPositive),
                       primaryAmountText(state.currencies, entry.amount, entry.currency.view(), entry.income,
                                         incomeIsPositive),
                       entry.type, entry.intendedSource, entry.paidWith, receiptText(entry), entry.note});
        out.writeIfFull();
    }
    return out.finish();
}

struct FormatName
{
    ExportFormat format;
    const char16_t* name;
};

constexpr std::array<FormatName, 4> kFormatNames = {{
    {ExportFormat::Tsv, u"tsv"},
    {ExportFormat::Csv, u"csv"},
    {ExportFormat::Json, u"json"},
    {ExportFormat::Journal, u"journal"},
}};

} // namespace

QString exportFormatName(ExportFormat format)
{
    for (const FormatName& known : kFormatNames) {
        if (known.format == format)
            return QString::fromUtf16(known.name);
    }
    return {};
}

std::optional<ExportFormat> exportFormatFromName(QStringView name)
{
    for (const FormatName& known : kFormatNames) {
        if (name == QStringView(known.name))
            return known.format;
    }
    return std::nullopt;
}

ExportFormat exportFormatOfFile(const QString& path)
{
    const QString lower = path.toLower();
    if (lower.endsWith(u".csv"))
        return ExportFormat::Csv;
    if (lower.endsWith(u".json"))
        return ExportFormat::Json;
    if (lower.endsWith(u".journal") || lower.endsWith(u".ledger"))
        return ExportFormat::Journal;
    return ExportFormat::Tsv;
}

bool writeExportContent(QIODevice& device, const AppState& state, ExportFormat format)
{
    switch (format) {
    case ExportFormat::Tsv:
        break;
    case ExportFormat::Csv:
        return writeCsvContent(device, state);
    case ExportFormat::Json:
        return writeJsonContent(device, state);
    case ExportFormat::Journal:
        return writeJournalContent(device, state);
    }
    return writeExportContent(device, state);
}

FileResult writeExportFile(const AppState& state, const QString& path, ExportFormat format)
{
    return writeFileAtomically(
        path, [&state, format](QIODevice& device) { return writeExportContent(device, state, format); });
}

bool writeExportContent(QIODevice& device, const AppState& state)
{
    const bool incomeIsPositive = state.settings.incomeIsPositive;
    const QString primaryName = state.currencyCount() > 0 ? state.currencies[0].name : QString();
    ChunkedWriter out(device);
    appendExportLine(out.buffer(),
                     {QStringLiteral("Date"), QStringLiteral("Currency"), QStringLiteral("Amount"),
                      primaryName, QStringLiteral("Type"), QStringLiteral("Intended source"),
                      QStringLiteral("Paid with"), QStringLiteral("Receipt"), QStringLiteral("Note")});
    for (const Expense& entry : state.entries) {
        appendExportLine(out.buffer(),
                         {dateText(entry.date, state.locale), entry.currency,
                          entryAmountText(entry, incomeIsPositive),
                          primaryAmountText(state.currencies, entry.amount, entry.currency.view(),
                                            entry.income, incomeIsPositive),
                          entry.type, entry.intendedSource, entry.paidWith, receiptText(entry), entry.note});
        out.writeIfFull();
    }
    return out.finish();
}

FileResult writeExportFile(const AppState& state, const QString& path)
{
    return writeFileAtomically(path,
                               [&state](QIODevice& device) { return writeExportContent(device, state); });
}

} // namespace tallyfox
