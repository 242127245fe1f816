#include "shell/InstanceLock.h"

#include "seams/AppTitle.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace strhaven {

InstanceLock lockSingleInstance()
{
    // Beside the user's settings: one lock per user, as the taskbar the
    // refusal speaks of is that user's.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QDir().mkpath(folder);
    auto lock = std::make_unique<QLockFile>(folder + QLatin1Char('/') + ApplicationTitle() + QStringLiteral(".lock"));
    // A lock left by a crashed run is recognised by its process id and taken over.
    lock->setStaleLockTime(0);
    InstanceLock result;
    if (lock->tryLock(0)) {
        result.outcome = InstanceLock::Outcome::Held;
        result.lock = std::move(lock);
    } else if (lock->error() == QLockFile::LockFailedError) {
        result.outcome = InstanceLock::Outcome::OtherInstance;
    }
    return result;
}

} // namespace strhaven
