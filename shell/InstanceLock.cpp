#include "shell/InstanceLock.h"

#include "seams/AppTitle.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>

namespace strhaven {

namespace {

// Beside the user's settings: one lock per user, as the taskbar the
// refusal speaks of is that user's.
std::unique_ptr<QLockFile> instanceLockFile()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QDir().mkpath(folder);
    auto lock = std::make_unique<QLockFile>(folder + QLatin1Char('/') + ApplicationTitle() + QStringLiteral(".lock"));
    // A lock left by a crashed run is recognised by its process id and taken over.
    lock->setStaleLockTime(0);
    return lock;
}

InstanceLock tryLock(std::unique_ptr<QLockFile> lock)
{
    InstanceLock result;
    if (lock->tryLock(0)) {
        result.outcome = InstanceLock::Outcome::Held;
        result.lock = std::move(lock);
        return result;
    }
    if (lock->error() != QLockFile::LockFailedError)
        return result;
    qint64 pid = 0;
    QString host, application;
    if (lock->getLockInfo(&pid, &host, &application) && !host.isEmpty() && host != QSysInfo::machineHostName()) {
        result.outcome = InstanceLock::Outcome::OtherComputer;
        result.otherComputer = host;
    } else {
        result.outcome = InstanceLock::Outcome::OtherInstance;
    }
    return result;
}

} // namespace

InstanceLock lockSingleInstance() { return tryLock(instanceLockFile()); }

InstanceLock takeOverInstanceLock()
{
    std::unique_ptr<QLockFile> lock = instanceLockFile();
    lock->removeStaleLockFile();
    return tryLock(std::move(lock));
}

} // namespace strhaven
