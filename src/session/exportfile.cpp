#include "session/exportfile.h"

#include "core/textforms.h"
#include "money/currencytable.h"
#include "platform/textencoding.h"

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

} // namespace

bool writeExportContent(QIODevice& device, const AppState& state)
{
    constexpr qsizetype kChunk = 1 << 20;
    const bool incomeIsPositive = state.settings.IncomeIsPositive;
    const QString primaryName = state.CurrencyCount() > 0 ? state.Currencies[0].Name : QString();
    QByteArray buffer;
    appendExportLine(buffer,
                     {QStringLiteral("Date"), QStringLiteral("Currency"), QStringLiteral("Amount"),
                      primaryName, QStringLiteral("Type"), QStringLiteral("Intended source"),
                      QStringLiteral("Paid with"), QStringLiteral("Receipt"), QStringLiteral("Note")});
    for (const TExpense& entry : state.Entries) {
        appendExportLine(buffer,
                         {DateText(entry.Date, state.Locale), entry.Currency,
                          EntryAmountText(entry, incomeIsPositive),
                          PrimaryAmountText(state.Currencies, entry.Amount, entry.Currency, entry.Income,
                                            incomeIsPositive),
                          entry.Type, entry.IntendedSource, entry.PaidWith, ReceiptText(entry), entry.Note});
        if (buffer.size() >= kChunk) {
            if (device.write(buffer) != buffer.size())
                return false;
            buffer.resize(0);
        }
    }
    return device.write(buffer) == buffer.size();
}

FileResult writeExportFile(const AppState& state, const QString& path)
{
    return writeFileAtomically(path,
                               [&state](QIODevice& device) { return writeExportContent(device, state); });
}

} // namespace tallyfox
