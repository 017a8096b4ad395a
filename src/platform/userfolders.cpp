#include "platform/userfolders.h"

#include <QDir>

namespace tallyfox {

QString defaultSettingsFolder()
{
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty() || !QDir::isAbsolutePath(dataHome))
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    return withTrailingSlash(dataHome) + QStringLiteral("tallyfox/");
}

QString withTrailingSlash(const QString& folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

} // namespace tallyfox
