// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "cli/commandline.h"

#include "cli/argumentvalues.h"
#include "cli/optiontable.h"
#include "core/programversion.h"
#include "session/importvalues.h"

#include <QCommandLineParser>
#include <algorithm>
#include <array>

namespace tallyfox::cli {

namespace {

std::optional<Command> commandFromName(const QString& word)
{
    static const std::array<std::pair<const char16_t*, Command>, 8> commands = {{
        {u"list", Command::List},
        {u"sort", Command::Sort},
        {u"report", Command::Report},
        {u"table", Command::Table},
        {u"export", Command::Export},
        {u"add", Command::Add},
        {u"import", Command::Import},
        {u"chart", Command::Chart},
    }};
    for (const auto& [text, command] : commands) {
        if (word == QStringView(text))
            return command;
    }
    return std::nullopt;
}

// Reads the options of the command that were checked to belong to it.
class OptionReader
{
public:
    explicit OptionReader(const QCommandLineParser& parser) : m_parser(parser) {}

    [[nodiscard]] bool isSet(const char* longName) const { return m_parser.isSet(optionName(longName)); }
    [[nodiscard]] QString value(const char* longName) const { return m_parser.value(optionName(longName)); }
    [[nodiscard]] std::optional<QString> maybe(const char* longName) const
    {
        return isSet(longName) ? std::optional(value(longName)) : std::nullopt;
    }

private:
    const QCommandLineParser& m_parser;
};

std::optional<QString> readListOrSort(Invocation& invocation, const OptionReader& options,
                                      const QStringList& words)
{
    invocation.reverse = options.isSet("reverse");
    if (invocation.command == Command::List) {
        if (words.size() > 1)
            return QStringLiteral("list takes no argument: %1").arg(words.at(1));
        if (const auto key = options.maybe("sort")) {
            invocation.sortKey = sortKeyFromName(*key);
            if (!invocation.sortKey)
                return QStringLiteral("unknown sort key: %1").arg(*key);
        }
    } else {
        if (words.size() != 2)
            return QStringLiteral("sort needs one KEY");
        invocation.sortKey = sortKeyFromName(words.at(1));
        if (!invocation.sortKey)
            return QStringLiteral("unknown sort key: %1").arg(words.at(1));
    }
    if (invocation.reverse && !invocation.sortKey)
        return QStringLiteral("--reverse needs a sort key");
    return std::nullopt;
}

// A table's --currency that is a whole number (signed or not) is the overview's currency choice; any
// other text names the currency of the entries shown.
bool isChoiceNumber(const QString& value)
{
    QStringView digits = QStringView(value).trimmed();
    if (digits.startsWith(u'-') || digits.startsWith(u'+'))
        digits = digits.mid(1);
    return !digits.isEmpty() &&
           std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// --currency and --mode: the overview's choices. A table's --currency that is no choice number names the
// currency of the entries shown instead (readFilter).
std::optional<QString> readChoices(Invocation& invocation, const OptionReader& options, bool currencyFilters)
{
    if (const auto currency = options.maybe("currency");
        currency && (!currencyFilters || isChoiceNumber(*currency))) {
        // The upper bound is the currency table's, known after start-up.
        const std::optional<int> choice = readIndexArgument(*currency, 1000000000);
        if (!choice)
            return QStringLiteral("--currency needs a choice number from 0: %1").arg(*currency);
        invocation.currencyChoice = *choice;
    }
    if (const auto mode = options.maybe("mode")) {
        const std::optional<int> choice =
            readIndexArgument(*mode, static_cast<int>(modeChoiceItems().size()));
        if (!choice)
            return QStringLiteral("--mode must be 0, 1 or 2: %1").arg(*mode);
        invocation.modeChoice = *choice;
    }
    return std::nullopt;
}

std::optional<QString> readFilter(EntryFilter& filter, const OptionReader& options, Command command)
{
    filter.text = options.value("match");
    for (auto [longName, date] : {std::pair{"from", &filter.from}, std::pair{"to", &filter.to}}) {
        if (const auto text = options.maybe(longName)) {
            *date = readDateArgument(*text);
            if (!*date)
                return QStringLiteral("--%1 must be a date as YYYY-MM-DD: %2")
                    .arg(optionName(longName), *text);
        }
    }
    if (filter.from && filter.to && *filter.from > *filter.to)
        return QStringLiteral("--from is after --to: nothing could match");
    if (options.isSet("income") && options.isSet("expense"))
        return QStringLiteral("give --income or --expense, not both");
    if (options.isSet("income") || options.isSet("expense"))
        filter.income = options.isSet("income");
    filter.value(FilterField::Type) = options.maybe("type");
    filter.value(FilterField::IntendedSource) = options.maybe("source");
    filter.value(FilterField::PaidWith) = options.maybe("paid-with");
    if (const auto currency = options.maybe("currency");
        currency && !(command == Command::Table && isChoiceNumber(*currency)))
        filter.value(FilterField::Currency) = currency;
    return std::nullopt;
}

std::optional<QString> readTable(Invocation& invocation, const OptionReader& options,
                                 const QStringList& words)
{
    if (words.size() != 2)
        return QStringLiteral("table needs one of types, sources, methods");
    const std::optional<int> view = tableViewFromName(words.at(1));
    if (!view)
        return QStringLiteral("unknown table: %1 (types, sources or methods)").arg(words.at(1));
    invocation.view = static_cast<OverviewView>(*view);
    return readChoices(invocation, options, true);
}

std::optional<QString> readChart(Invocation& invocation, const OptionReader& options,
                                 const QStringList& words)
{
    if (words.size() != 2)
        return QStringLiteral("chart needs one of months, types, sources, methods");
    const std::optional<ChartKind> kind = chartKindFromName(words.at(1));
    if (!kind)
        return QStringLiteral("unknown chart: %1 (months, types, sources or methods)").arg(words.at(1));
    invocation.chartKind = *kind;
    if (std::optional<QString> error = readChoices(invocation, options, false))
        return error;
    for (const auto& [name, month] :
         {std::pair{"from", &invocation.chartFrom}, std::pair{"to", &invocation.chartTo}}) {
        if (const auto text = options.maybe(name)) {
            *month = readMonthArgument(*text);
            if (!*month)
                return QStringLiteral("--%1 must be a month as YYYY-MM (or a date as YYYY-MM-DD): %2")
                    .arg(optionName(name), *text);
        }
    }
    if (invocation.chartFrom && invocation.chartTo && *invocation.chartFrom > *invocation.chartTo)
        return QStringLiteral("--from must not be after --to");
    const std::optional<QString> out = options.maybe("out");
    if (!out || out->isEmpty())
        return QStringLiteral("chart needs --out FILE.png or FILE.svg");
    if (!out->endsWith(u".png", Qt::CaseInsensitive) && !out->endsWith(u".svg", Qt::CaseInsensitive))
        return QStringLiteral("--out must name a .png or .svg file: %1").arg(*out);
    invocation.chartPath = *out;
    if (const auto size = options.maybe("size")) {
        const std::optional<QSize> pixels = readSizeArgument(*size);
        if (!pixels)
            return QStringLiteral("--size must be WxH, each from 16 to 8192 pixels: %1").arg(*size);
        invocation.chartSize = *pixels;
    }
    return std::nullopt;
}

std::optional<QString> readNewEntry(NewEntryOptions& entry, const OptionReader& options,
                                    const QCommandLineParser& parser)
{
    const QString receiptNumberName = QString::fromUtf16(kReceiptNumberName);
    if (!options.isSet("type") || options.value("type").trimmed().isEmpty())
        return QStringLiteral("add needs --type with a text");
    entry.type = options.value("type");
    if (!options.isSet("amount"))
        return QStringLiteral("add needs --amount");
    const std::optional<double> amount = readAmountArgument(options.value("amount"));
    if (!amount)
        return QStringLiteral("--amount must be a number from 0 up to 999999999.99 with at most two "
                              "decimals: %1")
            .arg(options.value("amount"));
    entry.amount = *amount;
    if (const auto date = options.maybe("date")) {
        entry.date = readDateArgument(*date);
        if (!entry.date)
            return QStringLiteral("--date must be a date as YYYY-MM-DD: %1").arg(*date);
    }
    if (options.isSet("income") && options.isSet("expense"))
        return QStringLiteral("give --income or --expense, not both");
    if (options.isSet("income") || options.isSet("expense"))
        entry.income = options.isSet("income");
    // The file reads an empty currency, payment method or intended source as another text.
    for (const char* longName : {"currency", "paid-with", "source"}) {
        if (options.isSet(longName) && options.value(longName).trimmed().isEmpty())
            return QStringLiteral("--%1 needs a text").arg(optionName(longName));
    }
    entry.currency = options.maybe("currency");
    entry.paidWith = options.maybe("paid-with");
    entry.intendedSource = options.maybe("source");
    entry.note = options.value("note");

    const bool receipt = options.isSet("receipt") || parser.isSet(receiptNumberName);
    if (receipt && options.isSet("no-receipt"))
        return QStringLiteral("give --receipt or --no-receipt, not both");
    if (parser.values(receiptNumberName).size() > 1)
        return QStringLiteral("--receipt is given more than once");
    if (receipt || options.isSet("no-receipt"))
        entry.hasReceipt = receipt;
    if (parser.isSet(receiptNumberName)) {
        entry.receipt = parser.value(receiptNumberName).trimmed();
        if (entry.receipt->isEmpty())
            return QStringLiteral("--receipt= needs a number");
    }
    return std::nullopt;
}

std::optional<QString> readImport(ImportOptions& import, const OptionReader& options,
                                  const QStringList& words)
{
    if (words.size() != 2 || words.at(1).isEmpty())
        return QStringLiteral("import needs one FILE");
    import.file = words.at(1);
    if (const auto delimiter = options.maybe("delimiter")) {
        if (*delimiter == u"tab" || *delimiter == u"\\t")
            import.delimiter = u'\t';
        else if (delimiter->size() == 1 && QStringView(u",;\t|").contains(delimiter->at(0)))
            import.delimiter = delimiter->at(0);
        else
            return QStringLiteral("--delimiter must be \",\", \";\", \"|\" or tab: %1").arg(*delimiter);
    }
    if (const auto decimal = options.maybe("decimal")) {
        if (*decimal != u"." && *decimal != u",")
            return QStringLiteral("--decimal must be . or ,: %1").arg(*decimal);
        import.decimalMark = decimal->at(0);
    }
    if (const auto format = options.maybe("date-format")) {
        if (!DateFormat(*format).isValid())
            return QStringLiteral("--date-format must be made of d, M, yy or yyyy and separators, such as "
                                  "d.M.yyyy: %1")
                .arg(*format);
        import.dateFormat = *format;
    }
    for (const char* longName : {"currency", "type", "map"}) {
        if (options.isSet(longName) && options.value(longName).trimmed().isEmpty())
            return QStringLiteral("--%1 needs a text").arg(optionName(longName));
    }
    import.columns = options.value("map");
    import.currency = options.value("currency").trimmed();
    import.type = options.value("type").trimmed();
    import.negativeIsIncome = options.isSet("negative-is-income");
    import.allowDuplicates = options.isSet("allow-duplicates");
    import.dryRun = options.isSet("dry-run");
    return std::nullopt;
}

// --format of list and export.
std::optional<QString> readFormat(Invocation& invocation, const OptionReader& options)
{
    const auto format = options.maybe("format");
    if (!format)
        return std::nullopt;
    if (invocation.command == Command::List) {
        static const std::array<std::pair<const char16_t*, ListFormat>, 3> formats = {{
            {u"tsv", ListFormat::Tsv},
            {u"csv", ListFormat::Csv},
            {u"json", ListFormat::Json},
        }};
        for (const auto& [name, listFormat] : formats) {
            if (*format == QStringView(name)) {
                invocation.listFormat = listFormat;
                return std::nullopt;
            }
        }
        return QStringLiteral("--format of list must be tsv, csv or json: %1").arg(*format);
    }
    const std::optional<ExportFormat> exportFormat = exportFormatFromName(*format);
    if (!exportFormat)
        return QStringLiteral("--format of export must be tsv, csv, json or journal: %1").arg(*format);
    invocation.exportFormat = *exportFormat;
    return std::nullopt;
}

std::optional<QString> readCommonOptions(Invocation& invocation, const OptionReader& options)
{
    invocation.databasePath = options.maybe("file");
    if (invocation.databasePath && invocation.databasePath->isEmpty())
        return QStringLiteral("-f needs a file name");
    invocation.settingsFolder = options.maybe("folder");
    if (invocation.settingsFolder && invocation.settingsFolder->isEmpty())
        return QStringLiteral("-d needs a folder name");
    if (const auto today = options.maybe("today")) {
        invocation.today = readDateArgument(*today);
        if (!invocation.today)
            return QStringLiteral("--today must be a date as YYYY-MM-DD: %1").arg(*today);
    }
    return std::nullopt;
}

} // namespace

EarlyExit usageError(const QString& message)
{
    return {kExitUsage, QStringLiteral("%1 (see tallyfox-cli --help)").arg(message)};
}

bool asksForChart(const QStringList& arguments)
{
    QCommandLineParser parser;
    addToolOptions(parser);
    if (!parser.parse(joinReceiptNumber(arguments, valueOptionArguments())))
        return false;
    return !parser.isSet(QStringLiteral("help")) && !parser.isSet(QStringLiteral("version")) &&
           parser.positionalArguments().value(0) == u"chart";
}

ParsedCommandLine parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    addToolOptions(parser);
    if (!parser.parse(joinReceiptNumber(arguments, valueOptionArguments())))
        return usageError(parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        return EarlyExit{0, parser.helpText()};
    if (parser.isSet(QStringLiteral("version")))
        return EarlyExit{0, QStringLiteral("tallyfox-cli %1\n").arg(QStringLiteral(TALLYFOX_VERSION)) +
                                QString::fromUtf8(kCopyrightAndLicence)};

    const QStringList words = parser.positionalArguments();
    if (words.isEmpty())
        return usageError(QStringLiteral("no command given"));
    const std::optional<Command> command = commandFromName(words.first());
    if (!command)
        return usageError(QStringLiteral("unknown command: %1").arg(words.first()));
    if (const auto misplaced = misplacedOption(parser, *command, words.first()))
        return usageError(*misplaced);

    Invocation invocation;
    invocation.command = *command;
    const OptionReader options(parser);
    std::optional<QString> error = readCommonOptions(invocation, options);
    if (!error) {
        switch (*command) {
        case Command::List:
        case Command::Sort:
            error = readListOrSort(invocation, options, words);
            break;
        case Command::Table:
            error = readTable(invocation, options, words);
            break;
        case Command::Chart:
            error = readChart(invocation, options, words);
            break;
        case Command::Report:
            break;
        case Command::Export:
            if (const auto out = options.maybe("out"); out && *out != u"-") {
                if (out->isEmpty())
                    error = QStringLiteral("--out needs a file name or -");
                invocation.exportPath = out;
            }
            break;
        case Command::Add:
            error = readNewEntry(invocation.entry, options, parser);
            break;
        case Command::Import:
            error = readImport(invocation.import, options, words);
            break;
        }
        const bool filtered =
            *command == Command::List || *command == Command::Report || *command == Command::Table;
        if (!error && filtered)
            error = readFilter(invocation.filter, options, *command);
    }
    if (!error && (*command == Command::List || *command == Command::Export))
        error = readFormat(invocation, options);
    if (!error && words.size() > 1 && *command != Command::Sort && *command != Command::Table &&
        *command != Command::List && *command != Command::Import && *command != Command::Chart)
        error = QStringLiteral("%1 takes no argument: %2").arg(words.first(), words.at(1));
    if (error)
        return usageError(*error);
    return invocation;
}

} // namespace tallyfox::cli
