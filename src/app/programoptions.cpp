#include "app/programoptions.h"

namespace tallyfox {

ProgramOptions parseProgramOptions(const QStringList& arguments)
{
    ProgramOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--scale" && i + 1 < arguments.size()) {
            bool ok = false;
            const double scale = arguments[++i].toDouble(&ok);
            if (ok)
                options.scale = scale;
        } else if (argument.startsWith(u"--scale=")) {
            bool ok = false;
            const double scale = argument.mid(8).toDouble(&ok);
            if (ok)
                options.scale = scale;
        } else {
            options.parameters << argument;
        }
    }
    return options;
}

} // namespace tallyfox
