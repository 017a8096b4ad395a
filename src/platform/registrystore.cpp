#include "platform/registrystore.h"

#include "platform/registryformat.h"

#include <QDir>
#include <QFileInfo>

namespace tallyfox {

RegistryStore::RegistryStore(const QString& path) : m_path(path)
{
    const FileContent file = readWholeFile(path);
    if (!file.result.ok()) {
        m_readResult = file.result;
        return;
    }
    ParsedRegistry parsed = parseRegistryFile(file.bytes);
    if (!parsed.recognised) {
        m_readResult = FileResult::readFailure(FileError::UnknownContent, path,
                                               QStringLiteral("It is not a registry file."));
        return;
    }
    m_content = std::move(parsed.content);
}

RegistryContent& RegistryStore::contentToChange()
{
    m_changed = true;
    return m_content;
}

FileResult RegistryStore::writeChanges()
{
    if (!m_changed || !isReadable())
        return {};
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder))
        return FileResult::writeFailure(FileError::FolderNotCreated, m_path,
                                        QStringLiteral("The folder \"%1\" cannot be created.").arg(folder));
    FileResult result = writeFileAtomically(
        m_path, [this](QIODevice& device) { return writeRegistryFile(device, m_content); });
    if (result.ok())
        m_changed = false;
    return result;
}

} // namespace tallyfox
