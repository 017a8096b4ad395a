#include "cli/commandline.h"

#include <QCommandLineParser>
#include <array>

namespace tallyfox::cli {

namespace {

constexpr std::array<const char16_t*, 6> kSortKeyNames = {u"name",    u"date",     u"amount",
                                                          u"receipt", u"paidwith", u"source"};

EarlyExit usageError(const QString& message)
{
    return {kExitUsage, QStringLiteral("tallyfox-cli: %1 (see tallyfox-cli --help)\n").arg(message)};
}

} // namespace

std::optional<quint16> sortTypeFromName(const QString& name)
{
    for (size_t i = 0; i < kSortKeyNames.size(); ++i) {
        if (name == QStringView(kSortKeyNames[i]))
            return static_cast<quint16>(i);
    }
    return std::nullopt;
}

ParsedCommandLine parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Lists and sorts the entries of a Tallyfox database.\n\n"
                       "Commands:\n"
                       "  list [--sort KEY] [--reverse]  print one tab-separated line per entry\n"
                       "  sort KEY [--reverse]           sort the database file in place\n\n"
                       "KEY is one of name, date, amount, receipt, paidwith, source."));
    const QCommandLineOption fileOption({QStringLiteral("f"), QStringLiteral("file")},
                                        QStringLiteral("The database file."), QStringLiteral("FILE"));
    const QCommandLineOption sortOption(QStringLiteral("sort"), QStringLiteral("Sort the listing by KEY."),
                                        QStringLiteral("KEY"));
    const QCommandLineOption reverseOption(QStringLiteral("reverse"),
                                           QStringLiteral("Reverse the sort order."));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Show this help."));
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           QStringLiteral("Show the version."));
    parser.addOptions({fileOption, sortOption, reverseOption, helpOption, versionOption});
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("list or sort"),
                                 QStringLiteral("COMMAND"));

    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(helpOption))
        return EarlyExit{0, parser.helpText()};
    if (parser.isSet(versionOption))
        return EarlyExit{0, QStringLiteral("tallyfox-cli %1\n").arg(QStringLiteral(TALLYFOX_VERSION))};

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usageError(QStringLiteral("no command given"));

    Invocation invocation;
    invocation.reverse = parser.isSet(reverseOption);
    const QString& command = positional.first();
    if (command == u"list") {
        invocation.command = Command::List;
        if (positional.size() > 1)
            return usageError(QStringLiteral("list takes no argument: %1").arg(positional.at(1)));
        if (parser.isSet(sortOption)) {
            invocation.sortType = sortTypeFromName(parser.value(sortOption));
            if (!invocation.sortType)
                return usageError(QStringLiteral("unknown sort key: %1").arg(parser.value(sortOption)));
        }
    } else if (command == u"sort") {
        invocation.command = Command::Sort;
        if (parser.isSet(sortOption))
            return usageError(QStringLiteral("sort takes its key as an argument, not --sort"));
        if (positional.size() != 2)
            return usageError(QStringLiteral("sort needs one KEY"));
        invocation.sortType = sortTypeFromName(positional.at(1));
        if (!invocation.sortType)
            return usageError(QStringLiteral("unknown sort key: %1").arg(positional.at(1)));
    } else {
        return usageError(QStringLiteral("unknown command: %1").arg(command));
    }
    if (invocation.reverse && !invocation.sortType)
        return usageError(QStringLiteral("--reverse needs a sort key"));

    if (!parser.isSet(fileOption) || parser.value(fileOption).isEmpty())
        return usageError(QStringLiteral("no database file given (-f FILE)"));
    invocation.databasePath = parser.value(fileOption);
    return invocation;
}

} // namespace tallyfox::cli
