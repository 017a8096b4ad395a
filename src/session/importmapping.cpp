// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/importmapping.h"

#include <QCoreApplication>
#include <vector>

namespace tallyfox {

namespace {

struct FieldNames
{
    ImportField field;
    const char16_t* name;
    // English; the window shows it translated.
    const char* caption;
};

constexpr std::array<FieldNames, kImportFieldCount> kFieldNames = {{
    {ImportField::Date, u"date", QT_TRANSLATE_NOOP("ImportMapping", "Date")},
    {ImportField::Amount, u"amount", QT_TRANSLATE_NOOP("ImportMapping", "Amount")},
    {ImportField::Debit, u"debit", QT_TRANSLATE_NOOP("ImportMapping", "Debit")},
    {ImportField::Credit, u"credit", QT_TRANSLATE_NOOP("ImportMapping", "Credit")},
    {ImportField::Currency, u"currency", QT_TRANSLATE_NOOP("ImportMapping", "Currency")},
    {ImportField::Type, u"type", QT_TRANSLATE_NOOP("ImportMapping", "Type")},
    {ImportField::Note, u"note", QT_TRANSLATE_NOOP("ImportMapping", "Note")},
    {ImportField::IntendedSource, u"source", QT_TRANSLATE_NOOP("ImportMapping", "Intended source")},
    {ImportField::PaidWith, u"paid-with", QT_TRANSLATE_NOOP("ImportMapping", "Paid with")},
    {ImportField::Receipt, u"receipt", QT_TRANSLATE_NOOP("ImportMapping", "Receipt")},
}};

// The names a header gives each field, normalised (lower case, words separated by one blank), the
// likeliest first. A header cell names a field when it is one of these or starts with one and a blank
// ("Betrag (EUR)").
struct HeaderNames
{
    ImportField field;
    QStringList names;
};

const QList<HeaderNames>& headerNames()
{
    static const QList<HeaderNames> names = {
        {ImportField::Date,
         {QStringLiteral("date"), QStringLiteral("booking date"), QStringLiteral("transaction date"),
          QStringLiteral("posting date"), QStringLiteral("posted date"), QStringLiteral("buchungstag"),
          QStringLiteral("buchungsdatum"), QStringLiteral("datum"), QStringLiteral("day"),
          QStringLiteral("value date"), QStringLiteral("valuta"), QStringLiteral("wertstellung")}},
        {ImportField::Amount,
         {QStringLiteral("amount"), QStringLiteral("betrag"), QStringLiteral("umsatz"),
          QStringLiteral("sum")}},
        {ImportField::Debit,
         {QStringLiteral("debit"), QStringLiteral("debit amount"), QStringLiteral("soll"),
          QStringLiteral("withdrawal"), QStringLiteral("withdrawals"), QStringLiteral("paid out"),
          QStringLiteral("money out"), QStringLiteral("out"), QStringLiteral("ausgang"),
          QStringLiteral("belastung"), QStringLiteral("lastschrift")}},
        {ImportField::Credit,
         {QStringLiteral("credit"), QStringLiteral("credit amount"), QStringLiteral("haben"),
          QStringLiteral("deposit"), QStringLiteral("deposits"), QStringLiteral("paid in"),
          QStringLiteral("money in"), QStringLiteral("in"), QStringLiteral("eingang"),
          QStringLiteral("gutschrift")}},
        {ImportField::Currency,
         {QStringLiteral("currency"), QStringLiteral("ccy"), QStringLiteral("curr"),
          QStringLiteral("wahrung"), QStringLiteral("waehrung")}},
        {ImportField::Type,
         {QStringLiteral("type"), QStringLiteral("category"), QStringLiteral("kategorie"),
          QStringLiteral("what"), QStringLiteral("typ"), QStringLiteral("expense type")}},
        {ImportField::Note,
         {QStringLiteral("note"), QStringLiteral("notes"), QStringLiteral("memo"),
          QStringLiteral("description"), QStringLiteral("payee"), QStringLiteral("details"),
          QStringLiteral("narrative"), QStringLiteral("reference"), QStringLiteral("verwendungszweck"),
          QStringLiteral("buchungstext"), QStringLiteral("beschreibung"), QStringLiteral("empfanger"),
          QStringLiteral("auftraggeber"), QStringLiteral("name"), QStringLiteral("text")}},
        {ImportField::IntendedSource,
         {QStringLiteral("intended source"), QStringLiteral("int source"), QStringLiteral("source")}},
        {ImportField::PaidWith,
         {QStringLiteral("paid with"), QStringLiteral("payment method"), QStringLiteral("method"),
          QStringLiteral("account"), QStringLiteral("konto"), QStringLiteral("zahlungsart")}},
        {ImportField::Receipt,
         {QStringLiteral("receipt"), QStringLiteral("receipt number"), QStringLiteral("beleg")}},
    };
    return names;
}

// Lower case, accents dropped, anything but letters and digits a single blank: "Währung" is
// "wahrung", "Paid-with" is "paid with".
QString normalisedHeader(const QString& cell)
{
    const QString decomposed = cell.normalized(QString::NormalizationForm_KD).toLower();
    QString out;
    bool blank = false;
    for (const QChar c : decomposed) {
        if (c.isMark())
            continue;
        if (c.isLetterOrNumber()) {
            if (blank && !out.isEmpty())
                out.append(u' ');
            out.append(c);
            blank = false;
        } else {
            blank = true;
        }
    }
    return out;
}

bool namesField(const QString& header, const QStringList& names)
{
    for (const QString& name : names) {
        if (header == name || header.startsWith(name + u' '))
            return true;
    }
    return false;
}

} // namespace

QString importFieldName(ImportField field)
{
    return QString::fromUtf16(kFieldNames[static_cast<size_t>(field)].name);
}

std::optional<ImportField> importFieldFromName(QStringView name)
{
    for (const FieldNames& names : kFieldNames) {
        if (name.compare(QStringView(names.name), Qt::CaseInsensitive) == 0)
            return names.field;
    }
    return std::nullopt;
}

QString importFieldCaption(ImportField field)
{
    return QCoreApplication::translate("ImportMapping", kFieldNames[static_cast<size_t>(field)].caption);
}

ImportMapping proposeColumns(const QStringList& header)
{
    ImportMapping mapping;
    QList<QString> normalised;
    for (const QString& cell : header)
        normalised.append(normalisedHeader(cell));
    std::vector<bool> taken(size_t(normalised.size()), false);
    // Each field takes the first column its likeliest name matches, then the next likeliest, so that
    // "Date" wins over "Value date" wherever the two stand.
    for (const HeaderNames& names : headerNames()) {
        for (const QString& name : names.names) {
            if (mapping.column(names.field) != kNoColumn)
                break;
            for (qsizetype column = 0; column < normalised.size(); ++column) {
                if (!taken[size_t(column)] && namesField(normalised[column], {name})) {
                    mapping.setColumn(names.field, int(column));
                    taken[size_t(column)] = true;
                    break;
                }
            }
        }
    }
    // One amount column, or debit and credit: an "Amount" beside both is left out.
    if (mapping.column(ImportField::Debit) != kNoColumn && mapping.column(ImportField::Credit) != kNoColumn)
        mapping.setColumn(ImportField::Amount, kNoColumn);
    return mapping;
}

bool isOwnExportHeader(const QStringList& header)
{
    static const QStringList before = {QStringLiteral("Date"), QStringLiteral("Currency"),
                                       QStringLiteral("Amount")};
    static const QStringList after = {QStringLiteral("Type"), QStringLiteral("Intended source"),
                                      QStringLiteral("Paid with"), QStringLiteral("Receipt"),
                                      QStringLiteral("Note")};
    return header.size() == before.size() + 1 + after.size() && header.mid(0, 3) == before &&
           header.mid(4) == after;
}

std::optional<int> findColumn(const QString& given, const QStringList& header)
{
    const QString text = given.trimmed();
    bool number = false;
    const int index = text.toInt(&number);
    if (number)
        return index >= 1 && index <= 1000 ? std::optional<int>(index - 1) : std::nullopt;
    for (qsizetype column = 0; column < header.size(); ++column) {
        if (header[column].trimmed().compare(text, Qt::CaseInsensitive) == 0)
            return int(column);
    }
    return std::nullopt;
}

std::optional<QString> applyColumnList(const QString& list, const QStringList& header, ImportMapping& mapping)
{
    for (const QString& item : list.split(u',', Qt::SkipEmptyParts)) {
        const qsizetype equals = item.indexOf(u'=');
        if (equals < 0)
            return QStringLiteral("--map needs FIELD=COLUMN: %1").arg(item);
        const QString name = item.first(equals).trimmed();
        const QString given = item.sliced(equals + 1).trimmed();
        const std::optional<ImportField> field = importFieldFromName(name);
        if (!field)
            return QStringLiteral("--map: unknown field %1 (date, amount, debit, credit, currency, type, "
                                  "note, source, paid-with, receipt)")
                .arg(name);
        if (given == u"none" || given == u"-") {
            mapping.setColumn(*field, kNoColumn);
            continue;
        }
        const std::optional<int> column = findColumn(given, header);
        if (!column)
            return QStringLiteral("--map: no column %1 in the file").arg(given);
        mapping.setColumn(*field, *column);
    }
    return std::nullopt;
}

QString columnListText(const ImportMapping& mapping)
{
    QStringList items;
    for (const ImportField field : kImportFields) {
        if (mapping.column(field) != kNoColumn)
            items.append(importFieldName(field) + u'=' + QString::number(mapping.column(field) + 1));
    }
    return items.join(u',');
}

} // namespace tallyfox
