// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "cli/chartcommand.h"

#include "cli/readcommands.h"
#include "platform/filesystem.h"

namespace tallyfox::cli {

namespace {

// A century of months is more than any chart shows readably, and keeps a mistyped year from asking for
// a picture of a hundred thousand bars.
constexpr int kMostMonths = 1200;

} // namespace

MonthSpan chartSpan(const Invocation& invocation, MonthSpan table, int thisMonth)
{
    const int last = invocation.chartTo.value_or(defaultLastMonth(table, thisMonth));
    const int first = invocation.chartFrom.value_or(last - 11);
    return {first, last - first + 1};
}

int drawChart(Session& session, const Invocation& invocation, const ChartLibrary& charts, Console& console)
{
    const AppState& state = session.state();
    const QStringList currencyItems = currencyChoiceItems(state.currencies);
    if (invocation.currencyChoice >= currencyItems.size()) {
        console.message(QStringLiteral("--currency must be from 0 to %1 here: %2 (see tallyfox-cli --help)")
                            .arg(currencyItems.size() - 1)
                            .arg(invocation.currencyChoice));
        return kExitUsage;
    }
    if (isProgramFile(session, invocation.chartPath)) {
        console.message(QStringLiteral("--out names a file of the program's own, which a chart would "
                                       "replace: %1 (see tallyfox-cli --help)")
                            .arg(invocation.chartPath));
        return kExitUsage;
    }
    if (!charts.isLoaded()) {
        console.message(charts.problem());
        return kExitFileError;
    }

    const ChartTables tables =
        buildChartTables(state, invocation.chartKind, invocation.currencyChoice, invocation.modeChoice);
    const MonthTable& table = invocation.chartKind != ChartKind::Months ? tables.shares
                              : tables.expenses.monthCount() > 0        ? tables.expenses
                                                                        : tables.income;
    const MonthSpan span = chartSpan(invocation, tableMonths(table), monthNumberOf(session.clock().today()));
    if (span.count < 1 || span.count > kMostMonths) {
        console.message(
            QStringLiteral("--from and --to must span 1 to %1 months: %2 (see tallyfox-cli --help)")
                .arg(kMostMonths)
                .arg(span.count));
        return kExitUsage;
    }

    ChartImageRequest request;
    request.kind = invocation.chartKind;
    if (request.kind == ChartKind::Months)
        request.months = monthSeries(tables, span);
    else
        request.shares = shareSeries(tables, span);
    request.title =
        chartTitle(request.kind, span, currencyItems.at(invocation.currencyChoice), invocation.modeChoice);
    request.size = invocation.chartSize;
    request.format = invocation.chartPath.endsWith(u".svg", Qt::CaseInsensitive) ? ChartImageFormat::Svg
                                                                                 : ChartImageFormat::Png;
    const QByteArray picture = charts.draw(request);
    if (picture.isEmpty()) {
        console.message(QStringLiteral("The chart could not be drawn into %1.").arg(invocation.chartPath));
        return kExitFileError;
    }
    const FileResult written = writeFileAtomically(
        invocation.chartPath, [&picture](QIODevice& file) { return file.write(picture) == picture.size(); });
    if (!written.ok()) {
        console.message(written.message());
        return kExitFileError;
    }
    return 0;
}

} // namespace tallyfox::cli
