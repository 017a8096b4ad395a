#include "platform/descriptordevice.h"
#include "platform/filesystem.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace tallyfox {

namespace {

constexpr int kTemporarySuffixLength = 6;
constexpr mode_t kOwnerOnly = S_IRUSR | S_IWUSR;

bool isTemporarySuffixChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Whether name is the file's name followed by "." and the random suffix of a temporary file.
bool isTemporaryName(QByteArrayView name, QByteArrayView fileName)
{
    if (name.size() != fileName.size() + 1 + kTemporarySuffixLength || !name.startsWith(fileName) ||
        name[fileName.size()] != '.')
        return false;
    for (qsizetype i = fileName.size() + 1; i < name.size(); ++i) {
        if (!isTemporarySuffixChar(name[i]))
            return false;
    }
    return true;
}

// A save killed between creating its temporary file and the rename leaves that file behind; the next
// save of the same file removes it. Only the user's own regular files are touched.
void removeLeftovers(const QByteArray& folder, QByteArrayView fileName)
{
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return;
    const int dirFd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryName(QByteArrayView(entry->d_name), fileName))
            continue;
        struct stat info
        {};
        if (::fstatat(dirFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode) &&
            info.st_uid == ::geteuid())
            ::unlinkat(dirFd, entry->d_name, 0);
    }
    ::closedir(dir);
}

QByteArray temporarySuffix()
{
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray suffix(kTemporarySuffixLength, Qt::Uninitialized);
    for (char& c : suffix)
        c = kChars[QRandomGenerator::global()->bounded(int(sizeof(kChars) - 1))];
    return suffix;
}

// Where the content goes: the file itself, or the file a symlink leads to, so that the link stays.
struct AtomicTarget
{
    QByteArray path;
    QByteArray folder;
    QByteArray fileName;
    std::optional<mode_t> oldMode;
};

FileResult resolveTarget(const QString& path, AtomicTarget& target)
{
    // Links are followed one by one, so that a link to a file yet to be made leads to where it goes.
    QFileInfo info(QFileInfo(path).absoluteFilePath());
    for (int hops = 0; hops < 40 && info.isSymLink(); ++hops)
        info = QFileInfo(info.symLinkTarget());
    target.path = QFile::encodeName(info.absoluteFilePath());
    struct stat status
    {};
    if (::stat(target.path.constData(), &status) == 0) {
        if (!S_ISREG(status.st_mode))
            return FileResult::writeFailure(FileError::NotRegularFile, path,
                                            notRegularFileReason(status.st_mode));
        target.oldMode = status.st_mode & 07777;
    }
    const qsizetype slash = target.path.lastIndexOf('/');
    target.folder = slash == 0 ? QByteArray("/") : target.path.first(slash);
    target.fileName = target.path.sliced(slash + 1);
    return {};
}

// Syncs the folder, so that the rename itself survives a power cut.
int syncFolder(const QByteArray& folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    // Some file systems cannot sync a folder at all; that is no failure of this save.
    if (error == EINVAL || error == ENOTSUP)
        error = 0;
    return error;
}

FileResult writeAtomically(const QString& path, const std::function<bool(QIODevice&)>& writeContent,
                           std::optional<mode_t> mode)
{
    AtomicTarget target;
    if (FileResult refused = resolveTarget(path, target); !refused.ok())
        return refused;
    removeLeftovers(target.folder, target.fileName);

    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = target.path + '.' + temporarySuffix();
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kOwnerOnly);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return FileResult::systemFailure(FileAction::Write, path, errno);

    FileResult result;
    {
        DescriptorDevice device(fd);
        if (!writeContent(device)) {
            result = device.systemError() != 0
                         ? FileResult::systemFailure(FileAction::Write, path, device.systemError())
                         : FileResult::writeFailure(FileError::NotWritable, path,
                                                    QStringLiteral("The content was not complete."));
        }
    }
    if (result.ok() && ::fchmod(fd, mode.value_or(target.oldMode.value_or(kOwnerOnly))) != 0)
        result = FileResult::systemFailure(FileAction::Write, path, errno);
    // Without this, a power cut soon after the rename can leave an empty file in place of both versions.
    if (result.ok() && ::fdatasync(fd) != 0)
        result = FileResult::systemFailure(FileAction::Write, path, errno);
    if (::close(fd) != 0 && result.ok())
        result = FileResult::systemFailure(FileAction::Write, path, errno);
    if (result.ok() && ::rename(temporary.constData(), target.path.constData()) != 0)
        result = FileResult::systemFailure(FileAction::Write, path, errno);
    if (!result.ok()) {
        ::unlink(temporary.constData());
        return result;
    }
    if (const int error = syncFolder(target.folder); error != 0)
        return FileResult::systemFailure(FileAction::Write, path, error);
    return {};
}

} // namespace

FileResult writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& writeContent)
{
    return writeAtomically(path, writeContent, std::nullopt);
}

FileResult copyFileAtomically(const QString& from, const QString& to)
{
    QFile source;
    const FileResult opened = openRegularFile(from, source);
    if (opened.error() == FileError::NotFound)
        return {};
    if (!opened.ok())
        return opened;
    FileResult readResult;
    const FileResult written = writeAtomically(
        to,
        [&](QIODevice& device) {
            QByteArray buffer(1 << 20, Qt::Uninitialized);
            for (;;) {
                const qint64 got = source.read(buffer.data(), buffer.size());
                if (got < 0) {
                    readResult = FileResult::deviceFailure(FileAction::Read, from, source);
                    return false;
                }
                if (got == 0)
                    return true;
                if (device.write(buffer.constData(), got) != got)
                    return false;
            }
        },
        kOwnerOnly);
    return readResult.ok() ? written : readResult;
}

void removeLeftoverTemporaryFiles(const QString& path)
{
    AtomicTarget target;
    if (resolveTarget(path, target).ok())
        removeLeftovers(target.folder, target.fileName);
}

} // namespace tallyfox
