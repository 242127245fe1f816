#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

class QUrl;

namespace strhaven {

// Where a freedesktop session keeps its programs and the user's choices
// among them, as the desktop's own opener reads them from the environment.
struct XdgEnvironment {
    QString configHome;     // XDG_CONFIG_HOME
    QStringList configDirs; // XDG_CONFIG_DIRS
    QString dataHome;       // XDG_DATA_HOME
    QStringList dataDirs;   // XDG_DATA_DIRS
    QStringList desktops;   // XDG_CURRENT_DESKTOP, in lower case
    QStringList path;       // PATH
    QString browser;        // BROWSER: commands separated by colons
    QString terminal;       // TERMINAL: runs a program in a terminal window

    // Unset or empty variables take the defaults of the base directory rules.
    static XdgEnvironment fromProcess();
};

// Finds the program the desktop's opener would start for a file or an
// address, without starting anything. Launchers hand the target over and
// report success at once, so a desktop without a program for it would
// otherwise fail where the player never sees it.
//
// The search follows the MIME applications rules: the target's types are
// its file's MIME type, then that type's ancestors, then the address's
// scheme handler (x-scheme-handler/https). For each type, the
// [Default Applications] of every mimeapps.list in precedence order come
// first; then, level by level, [Added Associations], the entries that the
// level's applications folder associates with the type (mimeinfo.cache and
// MimeType= lines), less the [Removed Associations] of that level and the
// levels above it. An entry counts only when it is the first with its id
// in the data folders, is an application, is not Hidden, and its TryExec
// and Exec programs (and a terminal, when it asks for one) are there. Last
// come the web browsers that xdg-open falls back on.
class XdgHandlerLookup {
public:
    explicit XdgHandlerLookup(XdgEnvironment environment);

    // The desktop entry id, or the browser's path, that would open `url`;
    // empty when nothing would.
    QString handlerFor(const QUrl& url);

private:
    struct Level {
        QString folder;       // holds the level's mimeapps.list
        bool holdsEntries;    // an applications folder of the data folders
    };
    struct Owner {
        QString path;
        int level;
    };
    using Group = QHash<QString, QString>;
    using KeyFile = QHash<QString, Group>;

    QString defaultFor(const QString& type);
    QString associatedWith(const QString& type);
    QStringList entriesListing(int level, const QString& type);
    QString browser() const;
    bool usable(const QString& id);
    bool usableEntry(const Group& keys) const;
    QString findProgram(const QString& name) const;
    // Read once per lookup; a copy, since later reads may move the stored ones.
    KeyFile keyFile(const QString& path);

    XdgEnvironment m_env;
    std::vector<Level> m_levels;
    QHash<QString, Owner> m_owners; // desktop file id: the file that defines it
    QHash<QString, KeyFile> m_read;
    QHash<QString, bool> m_usable;
};

} // namespace strhaven
