#include "session/exportfile.h"

#include "core/textforms.h"
#include "money/currencytable.h"
#include "platform/chunkedwriter.h"
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
                          primaryAmountText(state.currencies, entry.amount, entry.currency, entry.income,
                                            incomeIsPositive),
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
