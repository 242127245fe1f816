#include "desktop/UninstallLog.h"

#include "seams/AppTitle.h"
#include "desktop/DesktopIdentity.h"
#include "seams/Prompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <utility>
#include <vector>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace strhaven {

using namespace desktop;

namespace {

const QString ClassesRoot = QStringLiteral("HKEY_CLASSES_ROOT");

QString keyLine(const QString& parent, const QString& key)
{
    return QStringLiteral("ACTION: RegKey: \"%1\", \"%2\"").arg(parent, key);
}

QString valueLine(const QString& key, const QString& name)
{
    return QStringLiteral("ACTION: RegValue: \"%1\", \"%2\"").arg(key, name);
}

QString below(const QString& parent, const QString& child) { return parent + u'\\' + child; }

void showLogMessage(Prompter& prompter, QWidget* owner)
{
    prompter.message(owner, Prompter::Icon::Exclamation, Prompter::Buttons::Ok, ApplicationTitle(),
                     DesktopText::tr("The uninstall information may be corrupt. If you decide to uninstall %1 you "
                                     "may need to do it manually. The Readme.txt file has instructions.")
                         .arg(ApplicationTitle()));
}

// An entry appended to a log whose last line lacks its line break would
// run into that line and spoil both.
bool endsInsideALine(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0 || !file.seek(file.size() - 1))
        return false;
    return file.read(1) != "\n";
}

bool isInside(const QString& folder, const QString& top)
{
    const QString inner = QFileInfo(folder).canonicalFilePath();
    const QString outer = QFileInfo(top).canonicalFilePath();
    return !inner.isEmpty() && !outer.isEmpty() && (inner + u'/').startsWith(outer + u'/');
}

// Whether the installer kept a log in the program's folder, by the rule
// cmake/Install.cmake applies: an installation made by a user for
// themselves, which is one they may write, keeps one; root's installations
// outside root's home are for every user and keep none.
bool installerKeepsLog(const QString& programFolder)
{
    if (!QFileInfo(programFolder).isWritable())
        return false;
#ifdef Q_OS_UNIX
    // The real id, as the writability check above goes by it.
    if (getuid() == 0)
        return isInside(programFolder, QDir::homePath());
#endif
    return true;
}

} // namespace

QStringList uninstallLogLines(const QString& settingsRoot)
{
    const std::vector<std::pair<QString, QStringList>> sections{
        {QStringLiteral("Window"),
         {QStringLiteral("FirstTime"), QStringLiteral("Left"), QStringLiteral("Top"), QStringLiteral("Payouts")}},
        {QStringLiteral("Options"),
         {QStringLiteral("WheelSpeed"), QStringLiteral("CoinSound"), QStringLiteral("JackPotSound"),
          QStringLiteral("WheelSound"), QStringLiteral("Sound"), QStringLiteral("LoadLastFile"),
          QStringLiteral("Machine"), QStringLiteral("Payout")}},
        {QStringLiteral("CashOut"), {QStringLiteral("ShowStats"), QStringLiteral("CashOut")}},
        {QStringLiteral("LastFile"), {QStringLiteral("Name")}},
        {QStringLiteral("Wheel"),
         {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
          QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9")}},
    };
    const QString application = ApplicationTitle();
    QStringList lines;
    for (const auto& [section, keys] : sections) {
        lines << keyLine(settingsRoot, below(application, section));
        for (const QString& key : keys)
            lines << valueLine(below(below(settingsRoot, application), section), key);
    }
    const QString cls = gameFileClass();
    const QString classKey = below(ClassesRoot, cls);
    lines << keyLine(ClassesRoot, gameFileExtension()) << valueLine(below(ClassesRoot, gameFileExtension()), {})
          << keyLine(ClassesRoot, cls) << valueLine(classKey, {})
          << keyLine(ClassesRoot, below(cls, QStringLiteral("DefaultIcon")))
          << valueLine(below(classKey, QStringLiteral("DefaultIcon")), {})
          << keyLine(ClassesRoot, below(cls, QStringLiteral("shell")))
          << keyLine(classKey, QStringLiteral("shell\\open"))
          << keyLine(below(classKey, QStringLiteral("shell")), QStringLiteral("open\\command"))
          << valueLine(below(classKey, QStringLiteral("shell\\open\\command")), {});
    return lines;
}

void WriteUninstallLog(Prompter& prompter, QWidget* owner, const QString& programFolder,
                       const QString& settingsFile)
{
    const QString path = QDir(programFolder).filePath(uninstallLogName());
    if (!QFileInfo::exists(path)) {
        // Missing where the installer keeps one, it was lost.
        if (installerKeepsLog(programFolder))
            showLogMessage(prompter, owner);
        return;
    }
    const QString root = QDir::toNativeSeparators(QFileInfo(settingsFile).absolutePath());
    QByteArray text = endsInsideALine(path) ? QByteArrayLiteral("\r\n") : QByteArray();
    for (const QString& line : uninstallLogLines(root))
        text += line.toUtf8() + "\r\n";
    QFile log(path);
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::ExistingOnly | QIODevice::Unbuffered)) {
        showLogMessage(prompter, owner);
        return;
    }
    // A part of the lines (a full disk) would leave entries the uninstaller
    // half understands: the log goes back to what it was.
    const qint64 before = log.size();
    if (log.write(text) != text.size() || !log.flush()) {
        log.resize(before);
        showLogMessage(prompter, owner);
    }
}

QStringList settingsRootsInLog(const QByteArray& log)
{
    // The root is whatever stands between the fixed head and the fixed
    // tail of a settings key line, quotes and all.
    const QString head = QStringLiteral("ACTION: RegKey: \"");
    const QString tail = QStringLiteral("\", \"") + ApplicationTitle() + QStringLiteral("\\Window\"");
    QStringList roots;
    for (const QByteArray& raw : log.split('\n')) {
        const QString line = QString::fromUtf8(raw.endsWith('\r') ? raw.chopped(1) : raw);
        if (line.startsWith(head) && line.endsWith(tail)) {
            const QString root = line.mid(head.size(), line.size() - head.size() - tail.size());
            if (!root.isEmpty() && !roots.contains(root))
                roots << root;
        }
    }
    return roots;
}

bool logListsAssociation(const QByteArray& log)
{
    return log.contains(keyLine(ClassesRoot, gameFileExtension()).toUtf8());
}

QStringList settingsFilesIn(const QString& settingsRoot)
{
    const QDir root(QDir::fromNativeSeparators(settingsRoot));
    return {root.filePath(ApplicationTitle() + QStringLiteral(".ini")),
            root.filePath(ApplicationTitle() + QStringLiteral(" recovery") + gameFileExtension())};
}

} // namespace strhaven
