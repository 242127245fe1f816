#include "fakes/ScopedEnvironment.h"
#include "fakes/TestFiles.h"
#include "platform/XdgHandlerLookup.h"

#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace strhaven;

namespace {

// A plain application that runs "editor"; `more` adds keys, or replaces
// them, since a later key wins.
QString app(const QString& more = {})
{
    return "[Desktop Entry]|Type=Application|Name=Editor|Exec=editor %f|" + more;
}

const QString Plain = QStringLiteral("MimeType=text/plain;");
const QString Editor = QStringLiteral("bin/editor"); // an empty file is made a program

// Lays out the files of a row under `root`: "path=line|line"; a file
// without content is an executable program, "pipe:path" a named pipe.
bool lay(const QString& root, const QStringList& files)
{
    for (const QString& file : files) {
#ifdef Q_OS_UNIX
        if (file.startsWith("pipe:")) {
            const QString path = root + u'/' + file.mid(5);
            if (!QDir().mkpath(QFileInfo(path).path()) || ::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
                return false;
            continue;
        }
#endif
        const QString path = root + u'/' + file.section(u'=', 0, 0);
        const QString content = file.section(u'=', 1).replace(u'|', u'\n').replace(u'@', root);
        if (!writeFile(path, content.toUtf8()))
            return false;
        if (content.isEmpty() && !QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner))
            return false;
    }
    return true;
}

} // namespace

class TestXdgHandlerLookup : public QObject {
    Q_OBJECT
private slots:
    // The handler the desktop's opener would start, by the MIME application
    // rules, or none. @ is the root of a made-up system: config (the user's
    // config folder), etc (the system's), data (the user's data folder), usr
    // and opt (the system's), bin (the PATH), docs (the targets).
    void handlerFor_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("settings"); // BROWSER, TERMINAL, XDG_CURRENT_DESKTOP
        QTest::addColumn<QString>("target");   // under docs/, or an address
        QTest::addColumn<QString>("handler");
        const QString readme = "readme.txt", page = "page.html", web = "https://example.invalid/page";
        const QString edit = "data/applications/edit.desktop=", system = "usr/applications/edit.desktop=";
        const QString viewer = "usr/applications/viewer.desktop=" + app("MimeType=image/png;");

        QTest::newRow("none at all") << QStringList{Editor, viewer} << "" << readme << "";
        QTest::newRow("entry takes the type") << QStringList{Editor, edit + app(Plain)} << "" << readme << "edit.desktop";
        QTest::newRow("entry in a subfolder") << QStringList{Editor, "opt/applications/vendor/edit.desktop=" + app(Plain)}
                                              << "" << readme << "vendor-edit.desktop";
        QTest::newRow("default for the type, the first installed")
            << QStringList{Editor, edit + app(Plain), "usr/applications/chosen.desktop=" + app(),
                           "config/mimeapps.list=[Default Applications]|text/plain=gone.desktop;chosen.desktop;"}
            << "" << readme << "chosen.desktop";
        QTest::newRow("default of the system, after a list without one")
            << QStringList{Editor, edit + app(), "config/mimeapps.list=[Default Applications]|text/html=edit.desktop;",
                           "etc/mimeapps.list=[Default Applications]|text/plain=edit.desktop;"}
            << "" << readme << "edit.desktop";
        QTest::newRow("default of this desktop")
            << QStringList{Editor, edit + app(), "etc/lab-mimeapps.list=[Default Applications]|text/plain=edit.desktop;"}
            << "XDG_CURRENT_DESKTOP=Other:Lab" << readme << "edit.desktop";
        QTest::newRow("default of another desktop")
            << QStringList{Editor, edit + app(), "etc/lab-mimeapps.list=[Default Applications]|text/plain=edit.desktop;"}
            << "XDG_CURRENT_DESKTOP=Other" << readme << "";
        QTest::newRow("only via an ancestor type") << QStringList{Editor, edit + app(Plain)} << "" << page << "edit.desktop";
        QTest::newRow("the type before its ancestor")
            << QStringList{Editor, edit + app(Plain), "opt/applications/browse.desktop=" + app("MimeType=text/html;")}
            << "" << page << "browse.desktop";
        QTest::newRow("added association")
            << QStringList{Editor, system + app(), "config/mimeapps.list=[Added Associations]|text/plain=edit.desktop;"}
            << "" << readme << "edit.desktop";
        QTest::newRow("listed in the folder's cache")
            << QStringList{Editor, system + app(), "usr/applications/mimeinfo.cache=[MIME Cache]|text/plain=edit.desktop;"}
            << "" << readme << "edit.desktop";
        QTest::newRow("removed association")
            << QStringList{Editor, system + app(Plain), "config/mimeapps.list=[Removed Associations]|text/plain=edit.desktop;"}
            << "" << readme << "";
        QTest::newRow("removed from the cache's list")
            << QStringList{Editor, system + app(), "usr/applications/mimeinfo.cache=[MIME Cache]|text/plain=edit.desktop;",
                           "data/applications/mimeapps.list=[Removed Associations]|text/plain=edit.desktop;"}
            << "" << readme << "";
        QTest::newRow("removed for another type only")
            << QStringList{Editor, system + app(Plain), "config/mimeapps.list=[Removed Associations]|text/html=edit.desktop;"}
            << "" << readme << "edit.desktop";
        QTest::newRow("a removal below leaves an addition above")
            << QStringList{Editor, system + app(), "config/mimeapps.list=[Added Associations]|text/plain=edit.desktop;",
                           "usr/applications/mimeapps.list=[Removed Associations]|text/plain=edit.desktop;"}
            << "" << readme << "edit.desktop";
        QTest::newRow("copy of the user without the type hides the system's")
            << QStringList{Editor, system + app(Plain), "usr/applications/mimeinfo.cache=[MIME Cache]|text/plain=edit.desktop;",
                           edit + app()}
            << "" << readme << "";
#ifdef Q_OS_UNIX
        QTest::newRow("pipes in place of a list and a cache")
            << QStringList{Editor, "pipe:config/mimeapps.list", "pipe:data/applications/mimeinfo.cache", system + app(Plain)}
            << "" << readme << "edit.desktop";
#endif
        QTest::newRow("hidden entry") << QStringList{Editor, edit + app(Plain + "|Hidden=true")} << "" << readme << "";
        QTest::newRow("hidden copy of the user hides the system's")
            << QStringList{Editor, system + app(Plain), edit + "[Desktop Entry]|Hidden=true"} << "" << readme << "";
        QTest::newRow("not an application") << QStringList{Editor, edit + app(Plain + "|Type=Link")} << "" << readme << "";
        QTest::newRow("program missing from PATH") << QStringList{edit + app(Plain)} << "" << readme << "";
        QTest::newRow("program not executable") << QStringList{Editor + "=text", edit + app(Plain)} << "" << readme << "";
        QTest::newRow("TryExec program missing")
            << QStringList{Editor, edit + app(Plain + "|TryExec=gone")} << "" << readme << "";
        QTest::newRow("absolute program, quoted, with a blank and a $")
            << QStringList{"my tools/edit $x", edit + app(Plain + R"(|Exec="@/my tools/edit \\$x" %f)")} << "" << readme
            << "edit.desktop";
        QTest::newRow("program in a terminal, without one")
            << QStringList{Editor, edit + app(Plain + "|Terminal=true")} << "" << readme << "";
        QTest::newRow("program in a terminal")
            << QStringList{Editor, "bin/x-terminal-emulator", edit + app(Plain + "|Terminal=true")} << "" << readme
            << "edit.desktop";
        QTest::newRow("program in the TERMINAL")
            << QStringList{Editor, "bin/myterm", edit + app(Plain + "|Terminal=true")} << "TERMINAL=myterm -e" << readme
            << "edit.desktop";
        QTest::newRow("browser fallback") << QStringList{Editor, "bin/firefox", viewer} << "" << readme << "@/bin/firefox";
        QTest::newRow("browser in BROWSER")
            << QStringList{"bin/mybrowser", "bin/firefox"} << "BROWSER=gone:mybrowser %s" << page << "@/bin/mybrowser";
        QTest::newRow("BROWSER set, no other browser tried") << QStringList{"bin/firefox"} << "BROWSER=gone" << page << "";
        QTest::newRow("scheme handler for https")
            << QStringList{Editor, edit + app("MimeType=x-scheme-handler/https;")} << "" << web << "edit.desktop";
        QTest::newRow("address without a handler") << QStringList{Editor, edit + app(Plain)} << "" << web << "";
    }
    void handlerFor()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, settings);
        QFETCH(QString, target);
        QFETCH(QString, handler);
        QTemporaryDir root;
        QVERIFY(lay(root.path(), files + QStringList{"docs/readme.txt=Read me.", "docs/page.html=<html></html>"}));
        XdgEnvironment env{root.filePath("config"), {root.filePath("etc")}, root.filePath("data"),
                           {root.filePath("usr"), root.filePath("opt")}, {}, {root.filePath("bin")}, {}, {}};
        const QString setting = settings.section(u'=', 1);
        if (settings.startsWith("BROWSER"))
            env.browser = setting;
        else if (settings.startsWith("TERMINAL"))
            env.terminal = setting;
        else if (!settings.isEmpty())
            env.desktops = setting.toLower().split(u':');
        const QUrl url = target.contains(':') ? QUrl(target) : QUrl::fromLocalFile(root.filePath("docs/" + target));
        QCOMPARE(XdgHandlerLookup(env).handlerFor(url), handler.replace(u'@', root.path()));
    }

    // The folders come from the environment, with the base directory
    // defaults where a variable is unset or empty.
    void environment_data()
    {
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<QString>("folders");
        QTest::newRow("defaults") << QStringList{"HOME=/home/p", "XDG_DATA_DIRS="}
                                  << "/home/p/.config | /etc/xdg | /home/p/.local/share | /usr/local/share:/usr/share |  | /bin |  | ";
        QTest::newRow("set") << QStringList{"HOME=/home/p", "XDG_CONFIG_HOME=/c", "XDG_CONFIG_DIRS=/e1:/e2",
                                            "XDG_DATA_HOME=/d", "XDG_DATA_DIRS=/s1::/s2", "XDG_CURRENT_DESKTOP=KDE:Lab",
                                            "PATH=/p1:/p2", "BROWSER=b %s:c", "TERMINAL=t -e"}
                             << "/c | /e1:/e2 | /d | /s1:/s2 | kde:lab | /p1:/p2 | b %s:c | t -e";
    }
    void environment()
    {
        QFETCH(QStringList, variables);
        QFETCH(QString, folders);
        ScopedEnvironment scoped;
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS",
                                 "XDG_CURRENT_DESKTOP", "BROWSER", "TERMINAL"})
            scoped.unset(name);
        scoped.set("PATH", "/bin");
        for (const QString& variable : variables)
            scoped.set(variable.section(u'=', 0, 0).toLatin1(), variable.section(u'=', 1).toUtf8());
        const XdgEnvironment env = XdgEnvironment::fromProcess();
        const QStringList seen{env.configHome,         env.configDirs.join(':'), env.dataHome,
                               env.dataDirs.join(':'), env.desktops.join(':'),   env.path.join(':'),
                               env.browser,            env.terminal};
        QCOMPARE(seen.join(" | "), folders);
    }
};

QTEST_MAIN(TestXdgHandlerLookup)
#include "tst_xdghandlerlookup.moc"
