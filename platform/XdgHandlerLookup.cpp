#include "platform/XdgHandlerLookup.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QSet>
#include <QStringTokenizer>
#include <QUrl>

#include <algorithm>

namespace strhaven {

namespace {

const QString DesktopGroup = QStringLiteral("Desktop Entry");
const QString DefaultGroup = QStringLiteral("Default Applications");
const QString AddedGroup = QStringLiteral("Added Associations");
const QString RemovedGroup = QStringLiteral("Removed Associations");
const QString CacheGroup = QStringLiteral("MIME Cache");
const QString MimeAppsList = QStringLiteral("mimeapps.list");

// What xdg-open tries when no desktop entry takes the target and BROWSER is
// not set: the graphical browsers first, then the ones in a terminal.
const char* const WellKnownBrowsers[] = {
    "x-www-browser", "firefox", "iceweasel", "seamonkey", "mozilla", "epiphany", "konqueror", "chromium",
    "chromium-browser", "google-chrome", "www-browser", "links2", "elinks", "links", "lynx", "w3m",
};

QStringList splitPath(const QString& value) { return value.split(u':', Qt::SkipEmptyParts); }

QStringList listOf(const QString& value)
{
    QStringList items = value.split(u';', Qt::SkipEmptyParts);
    for (QString& item : items)
        item = item.trimmed();
    items.removeAll(QString());
    return items;
}

// A string value of a key file with its escapes (\s, \n, \t, \r, \\) undone.
QString unescaped(const QString& value)
{
    QString plain;
    plain.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value.at(i) != u'\\' || i + 1 == value.size()) {
            plain += value.at(i);
            continue;
        }
        const QChar next = value.at(++i);
        if (next == u's')
            plain += u' ';
        else if (next == u'n')
            plain += u'\n';
        else if (next == u't')
            plain += u'\t';
        else if (next == u'r')
            plain += u'\r';
        else if (next == u'\\')
            plain += u'\\';
        else
            plain += QString{u'\\', next};
    }
    return plain;
}

// The program of an Exec line: its first argument, which may be quoted in
// double quotes with backslash escapes. Empty when the line is malformed.
QString execProgram(const QString& exec)
{
    const QString line = unescaped(exec).trimmed();
    if (!line.startsWith(u'"'))
        return line.section(u' ', 0, 0);
    QString program;
    for (qsizetype i = 1; i < line.size(); ++i) {
        if (line.at(i) == u'"')
            return program;
        if (line.at(i) == u'\\' && i + 1 < line.size())
            ++i;
        program += line.at(i);
    }
    return {};
}

bool isProgram(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

QString firstWord(const QString& command) { return command.trimmed().section(u' ', 0, 0); }

} // namespace

XdgEnvironment XdgEnvironment::fromProcess()
{
    const auto variable = [](const char* name, const QString& fallback) {
        const QString value = qEnvironmentVariable(name);
        return value.isEmpty() ? fallback : value;
    };
    const QString home = QDir::homePath();
    XdgEnvironment env;
    env.configHome = variable("XDG_CONFIG_HOME", home + QStringLiteral("/.config"));
    env.configDirs = splitPath(variable("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg")));
    env.dataHome = variable("XDG_DATA_HOME", home + QStringLiteral("/.local/share"));
    env.dataDirs = splitPath(variable("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share")));
    env.desktops = splitPath(qEnvironmentVariable("XDG_CURRENT_DESKTOP").toLower());
    env.path = splitPath(qEnvironmentVariable("PATH"));
    env.browser = qEnvironmentVariable("BROWSER");
    env.terminal = qEnvironmentVariable("TERMINAL");
    return env;
}

XdgHandlerLookup::XdgHandlerLookup(XdgEnvironment environment) : m_env(std::move(environment))
{
    for (const QString& folder : QStringList{m_env.configHome} + m_env.configDirs)
        m_levels.push_back({folder, false});
    for (const QString& data : QStringList{m_env.dataHome} + m_env.dataDirs)
        m_levels.push_back({QDir(data).filePath(QStringLiteral("applications")), true});
    // A desktop file's id is its path under applications/ with '/' made
    // '-'; the first data folder that has an id hides the later ones.
    for (int level = 0; level < int(m_levels.size()); ++level) {
        if (!m_levels[level].holdsEntries)
            continue;
        const QDir folder(m_levels[level].folder);
        QDirIterator it(folder.path(), {QStringLiteral("*.desktop")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString id = folder.relativeFilePath(path).replace(u'/', u'-');
            if (!m_owners.contains(id))
                m_owners.insert(id, {path, level});
        }
    }
}

XdgHandlerLookup::KeyFile XdgHandlerLookup::keyFile(const QString& path)
{
    const auto known = m_read.constFind(path);
    if (known != m_read.cend())
        return *known;
    KeyFile groups;
    QFile file(path);
    // Only a plain file: reading a pipe put in a list's place would hang.
    if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly)) {
        const QString text = QString::fromUtf8(file.readAll());
        QString group;
        for (const QStringView raw : QStringTokenizer(text, u'\n')) {
            const QStringView line = raw.trimmed();
            if (line.isEmpty() || line.startsWith(u'#'))
                continue;
            if (line.startsWith(u'[') && line.endsWith(u']')) {
                group = line.mid(1, line.size() - 2).toString();
                continue;
            }
            // Translations (Name[de]=) are many and never asked for.
            const qsizetype equals = line.indexOf(u'=');
            const QStringView key = line.left(equals).trimmed();
            if (!group.isEmpty() && equals > 0 && !key.contains(u'['))
                groups[group].insert(key.toString(), line.mid(equals + 1).trimmed().toString());
        }
    }
    return *m_read.insert(path, groups);
}

QString XdgHandlerLookup::findProgram(const QString& name) const
{
    if (name.contains(u'/'))
        return QDir::isAbsolutePath(name) && isProgram(name) ? name : QString();
    if (name.isEmpty())
        return {};
    for (const QString& folder : m_env.path) {
        const QString path = QDir(folder).filePath(name);
        if (isProgram(path))
            return path;
    }
    return {};
}

bool XdgHandlerLookup::usableEntry(const Group& keys) const
{
    if (keys.value(QStringLiteral("Type")) != u"Application" || keys.value(QStringLiteral("Hidden")) == u"true")
        return false;
    const QString tryExec = unescaped(keys.value(QStringLiteral("TryExec")));
    if (!tryExec.isEmpty() && findProgram(tryExec).isEmpty())
        return false;
    if (findProgram(execProgram(keys.value(QStringLiteral("Exec")))).isEmpty())
        return false;
    // Launchers run such a program in a terminal window; without one the
    // launch fails.
    return keys.value(QStringLiteral("Terminal")) != u"true"
        || !findProgram(m_env.terminal.isEmpty() ? QStringLiteral("x-terminal-emulator") : firstWord(m_env.terminal))
                .isEmpty();
}

bool XdgHandlerLookup::usable(const QString& id)
{
    const auto owner = m_owners.constFind(id);
    if (owner == m_owners.cend())
        return false;
    const auto known = m_usable.constFind(id);
    if (known != m_usable.cend())
        return *known;
    const bool result = usableEntry(keyFile(owner->path).value(DesktopGroup));
    m_usable.insert(id, result);
    return result;
}

QString XdgHandlerLookup::defaultFor(const QString& type)
{
    for (const Level& level : m_levels) {
        const QDir folder(level.folder);
        QStringList lists;
        for (const QString& desktop : m_env.desktops)
            lists << folder.filePath(desktop + u'-' + MimeAppsList);
        lists << folder.filePath(MimeAppsList);
        for (const QString& list : lists)
            for (const QString& id : listOf(keyFile(list).value(DefaultGroup).value(type)))
                if (usable(id))
                    return id;
    }
    return {};
}

// The ids whose desktop files in this level's applications folder take the
// type, by the folder's cache or by their own MimeType= line.
QStringList XdgHandlerLookup::entriesListing(int level, const QString& type)
{
    const QDir folder(m_levels[level].folder);
    QStringList ids = listOf(keyFile(folder.filePath(QStringLiteral("mimeinfo.cache"))).value(CacheGroup).value(type));
    QStringList own;
    for (auto it = m_owners.cbegin(); it != m_owners.cend(); ++it)
        if (it->level == level && listOf(keyFile(it->path).value(DesktopGroup).value(QStringLiteral("MimeType"))).contains(type))
            own << it.key();
    std::sort(own.begin(), own.end());
    ids << own;
    // An id defined by an earlier folder is that folder's business.
    ids.removeIf([&](const QString& id) {
        const auto owner = m_owners.constFind(id);
        return owner == m_owners.cend() || owner->level != level;
    });
    return ids;
}

QString XdgHandlerLookup::associatedWith(const QString& type)
{
    QSet<QString> removed;
    for (int level = 0; level < int(m_levels.size()); ++level) {
        const KeyFile list = keyFile(QDir(m_levels[level].folder).filePath(MimeAppsList));
        for (const QString& id : listOf(list.value(AddedGroup).value(type)))
            if (!removed.contains(id) && usable(id))
                return id;
        for (const QString& id : listOf(list.value(RemovedGroup).value(type)))
            removed.insert(id);
        if (!m_levels[level].holdsEntries)
            continue;
        for (const QString& id : entriesListing(level, type))
            if (!removed.contains(id) && usable(id))
                return id;
    }
    return {};
}

QString XdgHandlerLookup::browser() const
{
    QStringList commands = m_env.browser.split(u':', Qt::SkipEmptyParts);
    if (m_env.browser.isEmpty())
        for (const char* name : WellKnownBrowsers)
            commands << QString::fromLatin1(name);
    for (const QString& command : commands) {
        const QString program = findProgram(firstWord(command));
        if (!program.isEmpty())
            return program;
    }
    return {};
}

QString XdgHandlerLookup::handlerFor(const QUrl& url)
{
    QStringList types;
    if (url.isLocalFile()) {
        const QMimeType type = QMimeDatabase().mimeTypeForFile(url.toLocalFile());
        if (type.isValid())
            types << type.name() << type.allAncestors();
    }
    types << QStringLiteral("x-scheme-handler/") + url.scheme();
    for (const QString& type : std::as_const(types)) {
        QString id = defaultFor(type);
        if (id.isEmpty())
            id = associatedWith(type);
        if (!id.isEmpty())
            return id;
    }
    return browser();
}

} // namespace strhaven
