// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "cli/optiontable.h"

#include <array>

namespace tallyfox::cli {

namespace {

constexpr unsigned commandBit(Command command)
{
    return 1u << static_cast<unsigned>(command);
}
constexpr unsigned kEveryCommand = ~0u;
constexpr unsigned kListOrSort = commandBit(Command::List) | commandBit(Command::Sort);
constexpr unsigned kAddOnly = commandBit(Command::Add);
constexpr unsigned kImportOnly = commandBit(Command::Import);
constexpr unsigned kListOrExport = commandBit(Command::List) | commandBit(Command::Export);
// The commands that show entries through a filter.
constexpr unsigned kFiltered =
    commandBit(Command::List) | commandBit(Command::Report) | commandBit(Command::Table);
constexpr unsigned kChartOnly = commandBit(Command::Chart);
constexpr unsigned kTableOrChart = commandBit(Command::Table) | kChartOnly;

// One option of the tool: its names (the long one last), help, value name (none for a flag) and the
// commands that take it.
struct OptionDefinition
{
    const char* shortName;
    const char* longName;
    const char* description;
    const char* valueName;
    unsigned commands;
};

constexpr std::array<OptionDefinition, 30> kOptions = {{
    {"f", "file", "The database file, whether or not it exists (default: the program's).", "FILE",
     kEveryCommand},
    {"d", "folder", "The settings folder (default: the program's).", "FOLDER", kEveryCommand},
    {nullptr, "today", "The date that counts as today.", "YYYY-MM-DD", kEveryCommand},
    {nullptr, "sort", "list: order the listing by KEY.", "KEY", commandBit(Command::List)},
    {nullptr, "reverse", "list, sort: reverse the sort order.", nullptr, kListOrSort},
    {nullptr, "currency",
     "list, report: only entries in currency C; table, chart: the currency choice N (0 converts to the "
     "primary currency, 1 is the first currency of the table); table: when not a number, only entries in "
     "currency C; add: the currency (default: the last used); import: the currency of rows without one "
     "(default: the primary currency).",
     "N|C", kFiltered | kAddOnly | kChartOnly | kImportOnly},
    {nullptr, "mode", "table, chart: 0 expenses - income, 1 expenses only, 2 income only.", "N",
     kTableOrChart},
    {nullptr, "out",
     "export: the file to write; - for standard output (the default). chart: the picture to write, "
     "FILE.png or FILE.svg.",
     "FILE", commandBit(Command::Export) | kChartOnly},
    {nullptr, "match",
     "list, report, table: only entries that show every word of TEXT in some column (case and accents "
     "ignored).",
     "TEXT", kFiltered},
    {nullptr, "from",
     "list, report, table: only entries dated on or after that day (YYYY-MM-DD); chart: the first month "
     "shown (YYYY-MM, default: 11 months before --to).",
     "YYYY-MM[-DD]", kFiltered | kChartOnly},
    {nullptr, "to",
     "list, report, table: only entries dated on or before that day (YYYY-MM-DD); chart: the last month "
     "shown (YYYY-MM, default: this month, or the last month with entries when this month lies outside "
     "them).",
     "YYYY-MM[-DD]", kFiltered | kChartOnly},
    {nullptr, "size", "chart: the picture's width and height in pixels (default: 480x360).", "WxH",
     kChartOnly},
    {nullptr, "type",
     "add: the expense type; import: the type of rows without one (default: Unknown); list, report, "
     "table: only entries of type T.",
     "T", kFiltered | kAddOnly | kImportOnly},
    {nullptr, "amount", "add: the amount, from 0 up to 999999999.99, at most two decimals.", "X", kAddOnly},
    {nullptr, "date", "add: the date (default: today).", "YYYY-MM-DD", kAddOnly},
    {nullptr, "income", "add: an income (default: as last time); list, report, table: only incomes.", nullptr,
     kFiltered | kAddOnly},
    {nullptr, "expense", "add: an expense (default: as last time); list, report, table: only expenses.",
     nullptr, kFiltered | kAddOnly},
    {nullptr, "paid-with",
     "add: the payment method (default: the last used); list, report, table: only entries paid with P.", "P",
     kFiltered | kAddOnly},
    {nullptr, "source",
     "add: the intended source (default: the last used); list, report, table: only entries for source S.",
     "S", kFiltered | kAddOnly},
    {nullptr, "note", "add: the note.", "N", kAddOnly},
    {nullptr, "receipt",
     "add: the entry has a receipt, numbered NUM when given, else by the next receipt number "
     "(written --receipt [NUM] or --receipt=NUM).",
     nullptr, kAddOnly},
    {nullptr, "no-receipt", "add: the entry has no receipt.", nullptr, kAddOnly},
    {nullptr, "format",
     "list: tsv (the default), csv or json; export: tsv (the default, the program's export), csv, json or "
     "journal.",
     "F", kListOrExport},
    {nullptr, "delimiter", "import: the delimiter, \",\" \";\" or tab (default: found from the file).", "C",
     kImportOnly},
    {nullptr, "decimal", "import: the decimal mark, . or , (default: found from the amounts).", ".|,",
     kImportOnly},
    {nullptr, "date-format",
     "import: how dates read: yyyy-MM-dd, d.M.yyyy, d/M/yyyy, M/d/yyyy and the like (default: found from "
     "the dates).",
     "F", kImportOnly},
    {nullptr, "map",
     "import: the columns, FIELD=COL separated by commas; FIELD is date, amount, debit, credit, currency, "
     "type, note, source, paid-with or receipt, COL a number from 1 or a header's name (default: proposed "
     "from the header, or as last time for the same header).",
     "LIST", kImportOnly},
    {nullptr, "negative-is-income", "import: a negative amount is an income, a positive one an expense.",
     nullptr, kImportOnly},
    {nullptr, "allow-duplicates", "import: keep rows that match an entry or an earlier row.", nullptr,
     kImportOnly},
    {nullptr, "dry-run", "import: show what would be stored, and store nothing.", nullptr, kImportOnly},
}};

const QString kDescription = QStringLiteral(
    "Reads and changes the entries that Tallyfox keeps, in the database, registry and settings folder that "
    "the program uses ($TALLYFOX_REGISTRY, else $XDG_CONFIG_HOME/tallyfox/registry.reg).\n\n"
    "Commands:\n"
    "  list [--sort KEY] [--reverse] [--format tsv|csv|json] [FILTER]\n"
    "      one tab-separated line per entry: What, Receipt, Note, Date (YYYY-MM-DD), Currency, Amount,\n"
    "      Paid with, Int. source, amount in the primary currency; csv: the same with a header line;\n"
    "      json: the entries as export --format json writes them\n"
    "  sort KEY [--reverse]\n"
    "      sort the database file and keep KEY as the sort order\n"
    "  report [FILTER]\n"
    "      the overview report\n"
    "  table types|sources|methods [--currency N] [--mode N] [FILTER]\n"
    "      a month table as the overview copies it to the clipboard\n"
    "  export [--out FILE|-] [--format tsv|csv|json|journal]\n"
    "      the export file; csv with ISO dates; json; a journal for ledger and hledger\n"
    "  add --type T --amount X [--currency C] [--date YYYY-MM-DD] [--income|--expense]\n"
    "      [--paid-with P] [--source S] [--note N] [--receipt [NUM] | --no-receipt]\n"
    "      store a new entry as the item editor does; options left out take the last used values\n"
    "  import FILE [--delimiter C] [--decimal .|,] [--date-format F] [--map FIELD=COL,...]\n"
    "      [--currency C] [--type T] [--negative-is-income] [--allow-duplicates] [--dry-run]\n"
    "      store the rows of a bank's or a spreadsheet's CSV or TSV file, or of the program's own\n"
    "      export or database, as new entries; prints \"N imported, D duplicates left out, R rejected\"\n"
    "      and a line per rejected row\n\n"
    "  chart months|types|sources|methods [--currency N] [--mode N] [--from YYYY-MM] [--to YYYY-MM]\n"
    "      --out FILE.png|FILE.svg [--size WxH]\n"
    "      the overview's chart as a picture, drawn without a display: the months' expenses, income and\n"
    "      balance, or the months' shares per type, intended source or payment method\n\n"
    "FILTER shows only the entries that match all of: --match TEXT, --from YYYY-MM-DD, --to YYYY-MM-DD,\n"
    "--type T, --currency C, --source S, --paid-with P, --income or --expense, as the window's filter\n"
    "does (case and accents ignored; --from and --to include their days).\n"
    "KEY is one of name, date, amount, receipt, paidwith, source. list, report, table, export and\n"
    "chart write nothing but their output; with no database file they say so on standard error and\n"
    "list nothing (exit code 0), and add and import create it. add, sort and import store the settings\n"
    "as the program does when it closes, so the database and settings folder named by -f and -d become\n"
    "the program's too.\n"
    "TALLYFOX_NOW=YYYY-MM-DD[THH:MM:SS] pins the clock.\n"
    "Exit codes: 0 success, 1 nothing stored (a file could not be read or written), 2 a usage error,\n"
    "3 the change is stored but the settings were not saved, 4 the database is busy (nothing changed).");

QCommandLineOption makeOption(const OptionDefinition& definition)
{
    QStringList names;
    if (definition.shortName)
        names << optionName(definition.shortName);
    names << optionName(definition.longName);
    QCommandLineOption option(names, optionName(definition.description));
    if (definition.valueName)
        option.setValueName(optionName(definition.valueName));
    return option;
}

} // namespace

QString optionName(const char* name)
{
    return QString::fromLatin1(name);
}

QStringList valueOptionArguments()
{
    QStringList arguments;
    for (const OptionDefinition& definition : kOptions) {
        if (!definition.valueName)
            continue;
        if (definition.shortName)
            arguments << QStringLiteral("-") + optionName(definition.shortName);
        arguments << QStringLiteral("--") + optionName(definition.longName);
    }
    return arguments;
}

void addToolOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(kDescription);
    for (const OptionDefinition& definition : kOptions)
        parser.addOption(makeOption(definition));
    QCommandLineOption receiptNumber(QString::fromUtf16(kReceiptNumberName), QString(),
                                     QStringLiteral("NUM"));
    receiptNumber.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(receiptNumber);
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help.")});
    parser.addOption({{QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Show the version.")});
    parser.addPositionalArgument(
        QStringLiteral("command"),
        QStringLiteral("list, sort, report, table, export, add, import or chart, with its arguments"),
        QStringLiteral("COMMAND [ARGUMENT]"));
}

std::optional<QString> misplacedOption(const QCommandLineParser& parser, Command command,
                                       const QString& commandName)
{
    for (const OptionDefinition& definition : kOptions) {
        const QString longName = optionName(definition.longName);
        if (!parser.isSet(longName))
            continue;
        if ((definition.commands & commandBit(command)) == 0)
            return QStringLiteral("--%1 is not an option of %2").arg(longName, commandName);
        if (definition.valueName && parser.values(longName).size() > 1)
            return QStringLiteral("--%1 is given more than once").arg(longName);
    }
    if (parser.isSet(QString::fromUtf16(kReceiptNumberName)) && command != Command::Add)
        return QStringLiteral("--receipt is not an option of %1").arg(commandName);
    return std::nullopt;
}

} // namespace tallyfox::cli
