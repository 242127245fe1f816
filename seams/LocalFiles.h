#pragma once

#include "seams/NativePath.h"

#include <QByteArray>
#include <QString>

#include <memory>

class QFile;

namespace strhaven {

// What lies at a path, links followed.
struct FileStatus {
    bool exists = false;
    bool regular = false;
    bool folder = false;
    bool writable = false;       // this user may write it
    bool markedReadOnly = false; // no write permission for anybody
    // The same file under another name has the same identity.
    quint64 device = 0;
    quint64 inode = 0;
    bool isSameFile(const FileStatus& other) const
    {
        return exists && other.exists && device == other.device && inode == other.inode;
    }
};
FileStatus fileStatus(const QString& path);

// A regular file opened for reading. Anything else (missing, unreadable, a
// folder, a pipe that would wait for a writer, a device) throws RunError:
// FileNotFound, PathNotFound, PermissionDenied or PathFileAccess.
std::unique_ptr<QFile> openForReading(const QString& path);

// Replaces the whole file or nothing. The content goes to a temporary file
// beside the target, is flushed to the disk and only then renamed over it,
// so a write that fails at any point (a full disk above all) leaves the old
// file byte for byte. A link is followed and its target replaced; an
// existing file keeps its permissions, a new one gets the user's usual ones.
// Throws RunError: DiskFull, PermissionDenied, PathNotFound or PathFileAccess.
void replaceFileContent(const QString& path, const QByteArray& content);

} // namespace strhaven
