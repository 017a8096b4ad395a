// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// tallyfox-gen: writes a database file of generated, realistic entries.
#include "entrygenerator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <limits>
#include <optional>

using namespace tallyfox::bench;

namespace {

// A whole number option within limits, or nothing.
std::optional<qint64> numberOption(const QCommandLineParser& parser, const QString& name, qint64 low,
                                   qint64 high)
{
    bool ok = false;
    const qint64 value = parser.value(name).toLongLong(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes a Tallyfox database file of generated entries. The same options give the "
                       "same bytes."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("entries"), QStringLiteral("Number of entries (default 1000)."), QStringLiteral("N"),
         QStringLiteral("1000")},
        {QStringLiteral("years"), QStringLiteral("Years the entries span (default 20)."), QStringLiteral("Y"),
         QStringLiteral("20")},
        {QStringLiteral("last-year"), QStringLiteral("Last year of the span (default 2024)."),
         QStringLiteral("YEAR"), QStringLiteral("2024")},
        {QStringLiteral("seed"), QStringLiteral("Seed of the generator (default 1)."), QStringLiteral("S"),
         QStringLiteral("1")},
        {QStringLiteral("out"), QStringLiteral("The database file to write."), QStringLiteral("FILE")},
    });
    parser.process(app);

    const auto entries = numberOption(parser, QStringLiteral("entries"), 0, 100'000'000);
    const auto years = numberOption(parser, QStringLiteral("years"), 1, 1000);
    const auto lastYear = numberOption(parser, QStringLiteral("last-year"), 1, 9999);
    const auto seed = numberOption(parser, QStringLiteral("seed"), 0, std::numeric_limits<qint64>::max());
    const QString out = parser.value(QStringLiteral("out"));
    if (!entries || !years || !lastYear || !seed || *lastYear - *years + 1 < 1 || out.isEmpty()) {
        err << "tallyfox-gen: give --out FILE, and --entries, --years, --last-year and --seed as whole "
               "numbers in range (years within 0001-9999)\n";
        return 2;
    }

    GeneratorOptions options;
    options.entries = static_cast<int>(*entries);
    options.years = static_cast<int>(*years);
    options.lastYear = static_cast<int>(*lastYear);
    options.seed = static_cast<std::uint64_t>(*seed);
    if (const QString failure = writeGeneratedDatabase(options, out); !failure.isEmpty()) {
        err << "tallyfox-gen: " << failure << '\n';
        return 1;
    }
    return 0;
}
