// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/jsonentries.h"

#include "core/daycount.h"
#include "core/textforms.h"
#include "money/currencytable.h"
#include "platform/chunkedwriter.h"
#include "platform/textencoding.h"
#include "session/importvalues.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <cmath>

namespace tallyfox {

namespace {

void appendJsonString(QByteArray& out, QStringView text)
{
    out.append('"');
    // Runs of plain characters go whole, so that a pair of surrogates stays one character.
    qsizetype plain = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (unit >= 0x20 && unit != u'"' && unit != u'\\')
            continue;
        appendUtf8(out, text.sliced(plain, i - plain));
        plain = i + 1;
        if (unit == u'"' || unit == u'\\')
            out.append('\\').append(char(unit));
        else if (unit == u'\n')
            out.append("\\n");
        else if (unit == u'\r')
            out.append("\\r");
        else if (unit == u'\t')
            out.append("\\t");
        else
            out.append(QByteArray("\\u00") + QByteArray::number(unit, 16).rightJustified(2, '0'));
    }
    appendUtf8(out, text.sliced(plain));
    out.append('"');
}

void appendMember(QByteArray& out, const char* name, QStringView text, bool first = false)
{
    if (!first)
        out.append(", ");
    out.append('"').append(name).append("\": ");
    appendJsonString(out, text);
}

void appendRaw(QByteArray& out, const char* name, QByteArrayView value)
{
    out.append(", \"").append(name).append("\": ").append(value);
}

QString textMember(const QJsonObject& object, QLatin1StringView name, const QString& otherwise)
{
    const QJsonValue value = object.value(name);
    const QString text = fieldText(value.toString()).trimmed();
    return value.isString() && !text.isEmpty() ? text : otherwise;
}

} // namespace

bool writeJsonContent(QIODevice& device, const AppState& state)
{
    ChunkedWriter out(device);
    QByteArray& buffer = out.buffer();
    buffer.append("[");
    bool first = true;
    for (const Expense& entry : state.entries) {
        buffer.append(first ? "\n  {" : ",\n  {");
        first = false;
        const QDate date = qdateFromDayCount(entry.date);
        if (date.isValid())
            appendMember(buffer, "date", date.toString(Qt::ISODate), true);
        else
            buffer.append("\"date\": null");
        appendMember(buffer, "type", entry.type.view());
        appendRaw(buffer, "amount", amountText(entry.amount).toLatin1());
        appendMember(buffer, "currency", entry.currency.view());
        appendRaw(buffer, "income", entry.income ? "true" : "false");
        appendMember(buffer, "intendedSource", entry.intendedSource.view());
        appendMember(buffer, "paidWith", entry.paidWith.view());
        appendRaw(buffer, "hasReceipt", entry.hasReceipt ? "true" : "false");
        appendMember(buffer, "receipt", entry.receipt.view());
        appendMember(buffer, "note", entry.note.view());
        const double primary = convertToPrimary(state.currencies, entry.amount, entry.currency.view());
        appendRaw(buffer, "primaryAmount",
                  primary > 0.0 ? amountText(primary).toLatin1() : QByteArray("null"));
        buffer.append('}');
        out.writeIfFull();
    }
    buffer.append(first ? "]\n" : "\n]\n");
    return out.finish();
}

std::optional<ConvertedRows> readJsonEntries(QByteArrayView bytes, const ImportDefaults& defaults)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    const QJsonArray array = document.array();
    for (const QJsonValue& value : array) {
        if (!value.isObject())
            return std::nullopt;
    }
    ConvertedRows converted;
    converted.dateFormat = QStringLiteral("yyyy-MM-dd");
    converted.decimalMark = u'.';
    const DateFormat iso(converted.dateFormat);
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QJsonObject object = array[i].toObject();
        const qsizetype line = i + 2;
        const QString dateText = object.value(QLatin1StringView("date")).toString();
        const std::optional<QDate> date = iso.read(dateText, defaults.locale, defaults.today);
        if (!date) {
            converted.rejected.append(
                {line, dateText.isEmpty()
                           ? QCoreApplication::translate("ImportRows", "no date")
                           : QCoreApplication::translate("ImportRows", "date \"%1\" is not yyyy-MM-dd")
                                 .arg(dateText)});
            continue;
        }
        const QJsonValue amount = object.value(QLatin1StringView("amount"));
        if (!amount.isDouble() || amount.toDouble() < 0.0 || amount.toDouble() > kLargestImportedAmount) {
            converted.rejected.append(
                {line, amount.isUndefined()
                           ? QCoreApplication::translate("ImportRows", "no amount")
                           : QCoreApplication::translate("ImportRows",
                                                         "amount is not a number from 0 to 999999999.99")});
            continue;
        }
        ImportRow row;
        row.line = line;
        Expense& entry = row.entry;
        entry.date = dayCountFromQDate(*date);
        entry.amount = std::round(amount.toDouble() * 100.0) / 100.0;
        entry.income = object.value(QLatin1StringView("income")).toBool();
        entry.type = textMember(object, QLatin1StringView("type"), QStringLiteral("Unknown"));
        entry.currency = textMember(object, QLatin1StringView("currency"), defaults.currency);
        entry.intendedSource =
            textMember(object, QLatin1StringView("intendedSource"), defaults.intendedSource);
        entry.paidWith = textMember(object, QLatin1StringView("paidWith"), defaults.paidWith);
        entry.note = textMember(object, QLatin1StringView("note"), QString());
        entry.hasReceipt = object.value(QLatin1StringView("hasReceipt")).toBool();
        entry.receipt = textMember(object, QLatin1StringView("receipt"), QStringLiteral("00"));
        converted.rows.push_back(std::move(row));
    }
    return converted;
}

} // namespace tallyfox
