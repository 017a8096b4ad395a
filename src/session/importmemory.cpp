// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/importmemory.h"

#include <QCryptographicHash>

namespace tallyfox {

namespace {

const QString kHeaderValue = QStringLiteral("Header");
const QString kColumnsValue = QStringLiteral("Columns");
const QString kDelimiterValue = QStringLiteral("Delimiter");
const QString kDecimalValue = QStringLiteral("DecimalMark");
const QString kDateFormatValue = QStringLiteral("DateFormat");
const QString kCurrencyValue = QStringLiteral("Currency");
const QString kTypeValue = QStringLiteral("Type");
const QString kNegativeIsIncomeValue = QStringLiteral("NegativeIsIncome");

QString keyPath(const QStringList& header)
{
    return QString::fromUtf16(kImportMappingsKeyPath) + u'\\' + importMappingKeyName(header);
}

// A tab is kept as the word, so that the registry file shows it.
QString delimiterText(QChar delimiter)
{
    if (delimiter.isNull())
        return {};
    return delimiter == u'\t' ? QStringLiteral("tab") : QString(delimiter);
}

QChar delimiterFromText(const QString& text)
{
    if (text == u"tab")
        return u'\t';
    return text.size() == 1 ? text[0] : QChar();
}

} // namespace

QString importMappingKeyName(const QStringList& header)
{
    QStringList cells;
    for (const QString& cell : header)
        cells.append(cell.trimmed());
    return QString::fromLatin1(
        QCryptographicHash::hash(cells.join(u'\t').toUtf8(), QCryptographicHash::Sha256).toHex().left(16));
}

std::optional<ImportMapping> recallImportMapping(Registry& registry, const QStringList& header)
{
    const RegistryKey key = registry.open(keyPath(header));
    const std::optional<RegistryValue> columns = key.value(kColumnsValue);
    if (!columns || columns->kind != RegistryValueKind::Text)
        return std::nullopt;
    ImportMapping mapping;
    // The columns are kept as numbers, so the header's names play no part.
    if (applyColumnList(columns->text, {}, mapping))
        return std::nullopt;
    const auto text = [&key](const QString& name) {
        const std::optional<RegistryValue> value = key.value(name);
        return value && value->kind == RegistryValueKind::Text ? value->text : QString();
    };
    mapping.delimiter = delimiterFromText(text(kDelimiterValue));
    const QString decimal = text(kDecimalValue);
    mapping.decimalMark = decimal == u"," || decimal == u"." ? decimal[0] : QChar();
    mapping.dateFormat = text(kDateFormatValue);
    mapping.currency = text(kCurrencyValue);
    mapping.type = text(kTypeValue);
    const std::optional<RegistryValue> negative = key.value(kNegativeIsIncomeValue);
    mapping.negativeIsIncome =
        negative && negative->kind == RegistryValueKind::Number && negative->number != 0;
    return mapping;
}

FileResult rememberImportMapping(Registry& registry, const QStringList& header, const ImportMapping& mapping)
{
    RegistryKey key = registry.openOrCreate(keyPath(header));
    if (!key.isOpen())
        return key.openFailure();
    key.setText(kHeaderValue, header.join(mapping.delimiter.isNull() ? QChar(u',') : mapping.delimiter));
    key.setText(kColumnsValue, columnListText(mapping));
    key.setText(kDelimiterValue, delimiterText(mapping.delimiter));
    key.setText(kDecimalValue, mapping.decimalMark.isNull() ? QString() : QString(mapping.decimalMark));
    key.setText(kDateFormatValue, mapping.dateFormat);
    key.setText(kCurrencyValue, mapping.currency);
    key.setText(kTypeValue, mapping.type);
    key.setNumber(kNegativeIsIncomeValue, mapping.negativeIsIncome ? 1 : 0);
    return key.close();
}

} // namespace tallyfox
