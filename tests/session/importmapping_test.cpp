// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The columns a header proposes, the command line's column list, and the mapping kept per header.
#include "session/importmapping.h"
#include "session/importmemory.h"
#include "sessionfixture.h"

#include <gtest/gtest.h>

namespace tallyfox {
namespace {

// The mapped columns as "field=column", 1-based, the form the command line and the registry use.
QString proposed(const QStringList& header)
{
    return columnListText(proposeColumns(header));
}

TEST(ImportMapping, HeadersOfBanksAndSpreadsheetsProposeTheirColumns)
{
    const struct
    {
        QStringList header;
        const char* columns;
    } cases[] = {
        {{"Date", "Payee", "Category", "Amount", "Memo"}, "date=1,amount=4,type=3,note=5"},
        {{"Buchungstag", "Valuta", "Auftraggeber/Empfänger", "Verwendungszweck", "Soll (EUR)", "Haben (EUR)",
          "Währung"},
         "date=1,debit=5,credit=6,currency=7,note=4"},
        {{"Transaction Date", "Description", "Debit", "Credit", "Amount"}, "date=1,debit=3,credit=4,note=2"},
        {{"Value date", "Booking date", "Details", "Amount (EUR)"}, "date=2,amount=4,note=3"},
        {{"Date", "Currency", "Amount", "EUR", "Type", "Intended source", "Paid with", "Receipt", "Note"},
         "date=1,amount=3,currency=2,type=5,note=9,source=6,paid-with=7,receipt=8"},
        {{"When", "How much"}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.header.join(u',').toStdString());
        EXPECT_EQ(proposed(c.header), QString::fromUtf8(c.columns));
    }
    EXPECT_TRUE(isOwnExportHeader(
        {"Date", "Currency", "Amount", "GBP", "Type", "Intended source", "Paid with", "Receipt", "Note"}));
    EXPECT_FALSE(isOwnExportHeader({"Date", "Currency", "Amount", "Type"}));
}

TEST(ImportMapping, TheCommandLineNamesColumnsByNumberOrHeader)
{
    const QStringList header = {"Datum", "Text", "Betrag"};
    ImportMapping mapping = proposeColumns(header);
    EXPECT_EQ(applyColumnList(QStringLiteral("date=Datum, amount=3,note=text"), header, mapping),
              std::nullopt);
    EXPECT_EQ(columnListText(mapping), QStringLiteral("date=1,amount=3,note=2"));
    EXPECT_EQ(applyColumnList(QStringLiteral("note=none"), header, mapping), std::nullopt);
    EXPECT_EQ(mapping.column(ImportField::Note), kNoColumn);
    for (const char* wrong : {"colour=1", "date", "date=Wann", "date=0"}) {
        SCOPED_TRACE(wrong);
        ImportMapping untouched;
        EXPECT_TRUE(applyColumnList(QString::fromUtf8(wrong), header, untouched).has_value());
    }
}

class ImportMemory : public test::SessionTest
{};

TEST_F(ImportMemory, AMappingIsKeptUnderTheKeyOfItsHeader)
{
    const QStringList header = {"Buchungstag", "Verwendungszweck", "Betrag"};
    ImportMapping mapping = proposeColumns(header);
    mapping.delimiter = u';';
    mapping.decimalMark = u',';
    mapping.dateFormat = QStringLiteral("d.M.yyyy");
    mapping.currency = QStringLiteral("EUR");
    mapping.type = QStringLiteral("Bank");
    mapping.negativeIsIncome = true;
    ASSERT_TRUE(rememberImportMapping(registry, header, mapping).ok());
    EXPECT_EQ(recallImportMapping(registry, header), mapping);
    EXPECT_EQ(recallImportMapping(registry, {"Buchungstag", "Text", "Betrag"}), std::nullopt);

    // A key of its own, readable by a person; the program's own values stay as they were.
    const QString text = QString::fromUtf8(test::readFileBytes(registryFile));
    EXPECT_TRUE(text.contains(QStringLiteral("[HKEY_LOCAL_MACHINE\\Software\\Tallyfox\\Import\\%1]")
                                  .arg(importMappingKeyName(header))))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\"Header\"=\"Buchungstag;Verwendungszweck;Betrag\"")));
    EXPECT_TRUE(text.contains(QStringLiteral("\"Columns\"=\"date=1,amount=3,note=2\"")));
    EXPECT_FALSE(text.contains(QStringLiteral("[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]")));

    // Tab-separated files keep their delimiter as a word.
    mapping.delimiter = u'\t';
    ASSERT_TRUE(rememberImportMapping(registry, header, mapping).ok());
    EXPECT_EQ(recallImportMapping(registry, header)->delimiter, u'\t');
}

} // namespace
} // namespace tallyfox
