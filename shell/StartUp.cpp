#include "shell/StartUp.h"

#include "seams/AppTitle.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QTemporaryFile>

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

bool settingsCanBeKept(const QString& settingsFile)
{
    const QFileInfo file(settingsFile);
    if (file.exists() && (!file.isFile() || !file.isWritable()))
        return false;
    // The store is written as a new file beside the old one, then renamed
    // over it: the folder must take a file as large, which only trying
    // tells (a read-only folder, a full disk, a file where the folder
    // should be).
    if (!QDir().mkpath(file.absolutePath()))
        return false;
    QTemporaryFile trial(file.absolutePath() + QStringLiteral("/.strhaven-trial-XXXXXX"));
    if (!trial.open())
        return false;
    const QByteArray content(file.size() + 1024, ' ');
    return trial.write(content) == content.size() && trial.flush();
}

} // namespace strhaven
