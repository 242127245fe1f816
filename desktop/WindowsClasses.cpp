#include "desktop/WindowsClasses.h"

#include "desktop/DesktopIdentity.h"
#include "seams/ErrorReport.h"

#include <QDir>
#include <QSettings>

#include <shlobj.h>

namespace strhaven::desktop {

namespace {

QString classesRoot() { return QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes"); }

// "Default" stands for a key's unnamed value.
QString defaultValue(const QString& key) { return key + QStringLiteral("/Default"); }

void announceChange() { SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr); }

} // namespace

void writeClassesKeys(const QString& programPath)
{
    const QString program = QDir::toNativeSeparators(programPath);
    const QString cls = gameFileClass();
    QSettings classes(classesRoot(), QSettings::NativeFormat);
    classes.setValue(defaultValue(gameFileExtension()), cls);
    classes.setValue(defaultValue(cls), gameFileDescription());
    classes.setValue(defaultValue(cls + QStringLiteral("/DefaultIcon")), program + QStringLiteral(",0"));
    // The file's path quoted as well, so that a path with blanks arrives
    // as one argument.
    classes.setValue(defaultValue(cls + QStringLiteral("/shell/open/command")),
                     QLatin1Char('"') + program + QStringLiteral("\" \"%1\""));
    classes.sync();
    if (classes.status() != QSettings::NoError)
        throw RunError(ErrorNumber::PermissionDenied);
    announceChange();
}

bool removeClassesKeys()
{
    QSettings classes(classesRoot(), QSettings::NativeFormat);
    if (classes.value(defaultValue(gameFileExtension())).toString() == gameFileClass())
        classes.remove(gameFileExtension());
    classes.remove(gameFileClass());
    classes.sync();
    announceChange();
    return classes.status() == QSettings::NoError;
}

} // namespace strhaven::desktop
