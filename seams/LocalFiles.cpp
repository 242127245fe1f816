#include "seams/LocalFiles.h"

#include "seams/ErrorReport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QSaveFile>
#endif

namespace strhaven {

#ifdef Q_OS_UNIX

namespace {

int failureFor(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return ErrorNumber::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY: return ErrorNumber::PermissionDenied;
    case ENOENT:
    case ENOTDIR: return ErrorNumber::PathNotFound;
    case ENOMEM: return ErrorNumber::OutOfMemory;
    default: return ErrorNumber::PathFileAccess;
    }
}

[[noreturn]] void fail(int error) { throw RunError(failureFor(error)); }

// The file a path finally names once its links are followed, so that a
// linked file is replaced where it lies and the link stays a link.
QByteArray linkTarget(QByteArray path)
{
    for (int depth = 0; depth < 40; ++depth) {
        char buffer[PATH_MAX];
        const ssize_t length = ::readlink(path.constData(), buffer, sizeof buffer);
        if (length < 0 || length == ssize_t(sizeof buffer))
            return path;
        QByteArray next(buffer, length);
        if (!next.startsWith('/')) {
            const qsizetype slash = path.lastIndexOf('/');
            next.prepend(slash < 0 ? QByteArray() : path.left(slash + 1));
        }
        path = next;
    }
    return path;
}

mode_t newFileMode()
{
    // The process's umask can only be read by setting it; nothing else
    // creates files while the game saves one.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int fd, const QByteArray& content)
{
    const char* data = content.constData();
    qsizetype left = content.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

} // namespace


FileStatus fileStatus(const QString& path)
{
    FileStatus status;
    const QByteArray name = nativePath(path);
    struct stat st;
    if (name.isEmpty() || ::stat(name.constData(), &st) != 0)
        return status;
    status.exists = true;
    status.regular = S_ISREG(st.st_mode);
    status.folder = S_ISDIR(st.st_mode);
    status.writable = ::access(name.constData(), W_OK) == 0;
    status.markedReadOnly = (st.st_mode & 0222) == 0;
    status.device = st.st_dev;
    status.inode = st.st_ino;
    return status;
}

std::unique_ptr<QFile> openForReading(const QString& path)
{
    const QByteArray name = nativePath(path);
    if (name.isEmpty())
        throw RunError(ErrorNumber::FileNotFound);
    // Without O_NONBLOCK, opening a pipe would wait for a writer for ever.
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT)
            throw RunError(fileStatus(QFileInfo(path).absolutePath()).folder ? ErrorNumber::FileNotFound
                                                                             : ErrorNumber::PathNotFound);
        fail(error);
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw RunError(ErrorNumber::PathFileAccess);
    }
    auto file = std::make_unique<QFile>();
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw RunError(ErrorNumber::PathFileAccess);
    }
    return file;
}

namespace {

constexpr char TemporaryPrefix[] = ".strhaven-save-";

// When this process started, by the clock files are stamped with: older
// temporaries of ours are what a save cut short by a crash left behind.
const struct timespec processStart = [] {
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now;
}();

bool olderThanThisProcess(const struct stat& st)
{
    return st.st_mtim.tv_sec < processStart.tv_sec ||
           (st.st_mtim.tv_sec == processStart.tv_sec && st.st_mtim.tv_nsec < processStart.tv_nsec);
}

// Removes what saves cut short left in this folder, before a save adds one
// of its own beside them.
void removeLeftovers(int folder)
{
    const int listing = ::dup(folder);
    if (listing < 0)
        return;
    DIR* dir = ::fdopendir(listing);
    if (!dir) {
        ::close(listing);
        return;
    }
    while (const struct dirent* entry = ::readdir(dir)) {
        const std::size_t prefix = sizeof TemporaryPrefix - 1;
        if (std::strncmp(entry->d_name, TemporaryPrefix, prefix) != 0 || std::strlen(entry->d_name) != prefix + 6)
            continue;
        struct stat st;
        if (::fstatat(folder, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
            st.st_uid == ::geteuid() && olderThanThisProcess(st))
            ::unlinkat(folder, entry->d_name, 0);
    }
    ::closedir(dir);
}

// A new file of ours in the folder, named by the prefix and six random
// letters; its name is set in `name`.
int createTemporary(int folder, QByteArray& name)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = TemporaryPrefix;
        for (int i = 0; i < 6; ++i)
            name += letters[entropy() % (sizeof letters - 1)];
        const int fd = ::openat(folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

} // namespace

// The folder is opened once and everything in it is named relative to it:
// a temporary name longer than the target's must not make a path too long
// for the system, which the game's own may already nearly be.
void replaceFileContent(const QString& path, const QByteArray& content)
{
    const QByteArray target = linkTarget(nativePath(path));
    if (target.isEmpty())
        throw RunError(ErrorNumber::PathFileAccess);
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folderPath = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : target.left(slash);
    const QByteArray name = slash < 0 ? target : target.mid(slash + 1);
    struct OpenFolder {
        int fd;
        ~OpenFolder()
        {
            if (fd >= 0)
                ::close(fd);
        }
    } const opened{::open(folderPath.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    const int folder = opened.fd;
    if (folder < 0)
        fail(errno);
    removeLeftovers(folder);
    QByteArray temporary;
    const int fd = createTemporary(folder, temporary);
    if (fd < 0)
        fail(errno);
    struct stat existing;
    const bool replacing = ::fstatat(folder, name.constData(), &existing, 0) == 0;
    if (replacing && S_ISDIR(existing.st_mode)) {
        ::close(fd);
        ::unlinkat(folder, temporary.constData(), 0);
        throw RunError(ErrorNumber::PathFileAccess);
    }
    // The owner goes first: changing it can clear the set-id bits that the
    // mode then puts back. Neither may fail the save: a file another user
    // owns simply becomes this user's, as any editor's save would make it,
    // but without set-id bits that were given to the other user.
    mode_t mode = replacing ? existing.st_mode & 07777 : newFileMode();
    if (replacing && ::fchown(fd, existing.st_uid, existing.st_gid) != 0)
        mode &= ~mode_t(S_ISUID | S_ISGID);
    ::fchmod(fd, mode);
    // Every step is checked: the data of a full disk shows up as a failed
    // write, a failed flush or a failed close, depending on the file system.
    const bool written = writeAll(fd, content) && ::fsync(fd) == 0;
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    const int closeError = errno;
    if (!written || !closed) {
        ::unlinkat(folder, temporary.constData(), 0);
        fail(!written ? writeError : closeError);
    }
    if (::renameat(folder, temporary.constData(), folder, name.constData()) != 0) {
        const int error = errno;
        ::unlinkat(folder, temporary.constData(), 0);
        fail(error);
    }
}

#else

FileStatus fileStatus(const QString& path)
{
    const QFileInfo info(path);
    FileStatus status;
    status.exists = info.exists();
    status.regular = info.isFile();
    status.folder = info.isDir();
    status.writable = info.isWritable();
    const auto writeBits = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    status.markedReadOnly = status.exists && !(info.permissions() & writeBits);
    return status;
}

std::unique_ptr<QFile> openForReading(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        throw RunError(QFileInfo(info.absolutePath()).isDir() ? ErrorNumber::FileNotFound : ErrorNumber::PathNotFound);
    if (!info.isFile())
        throw RunError(ErrorNumber::PathFileAccess);
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        throw RunError(ErrorNumber::PermissionDenied);
    return file;
}

void replaceFileContent(const QString& path, const QByteArray& content)
{
    QSaveFile file(path);
    // Unbuffered, so that a full disk fails the write itself and never only
    // the flush inside commit(), which would still replace the file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw RunError(ErrorNumber::PermissionDenied);
    if (file.write(content) != content.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        throw RunError(ErrorNumber::DiskFull);
    }
    if (!file.commit())
        throw RunError(ErrorNumber::PathFileAccess);
}

#endif

} // namespace strhaven
