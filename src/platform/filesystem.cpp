#include "platform/filesystem.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tallyfox {

FileResult FileResult::readFailure(const QString& path, const QString& reason)
{
    return FileResult(QStringLiteral("Cannot read \"%1\": %2").arg(path, reason));
}

FileResult FileResult::writeFailure(const QString& path, const QString& reason)
{
    return FileResult(QStringLiteral("Cannot write \"%1\": %2").arg(path, reason));
}

FileContent readWholeFile(const QString& path)
{
    FileContent content;
    const QFileInfo info(path);
    if (!info.exists()) {
        content.missing = true;
        return content;
    }
    if (info.isDir()) {
        content.result = FileResult::readFailure(path, QStringLiteral("It is a folder, not a file."));
        return content;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        content.result = FileResult::readFailure(path, file.errorString());
        return content;
    }
    content.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        content.bytes.clear();
        content.result = FileResult::readFailure(path, file.errorString());
    }
    return content;
}

FileResult writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& writeContent)
{
    if (QFileInfo(path).isDir())
        return FileResult::writeFailure(path, QStringLiteral("It is a folder, not a file."));
    const bool isNew = !QFileInfo::exists(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return FileResult::writeFailure(path, file.errorString());
    if (isNew)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // The last bytes wait in the file's buffer; a full disk shows only when they are flushed, and the
    // commit would otherwise put the cut-short file in place of the old one.
    if (!writeContent(file) || !file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return FileResult::writeFailure(path, reason);
    }
    if (!file.commit())
        return FileResult::writeFailure(path, file.errorString());
    return {};
}

} // namespace tallyfox
