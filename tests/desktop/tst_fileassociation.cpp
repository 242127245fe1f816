#include "desktop/DesktopEntry.h"
#include "desktop/DesktopFiles.h"
#include "desktop/DesktopIdentity.h"
#include "fakes/FakePrompter.h"
#include "desktop/FileAssociation.h"
#include "fakes/ScopedEnvironment.h"
#include "fakes/TestFiles.h"

#include <QDirIterator>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace strhaven;

namespace {

// The program and its arguments a launcher runs for `file`, read from the
// entry's Exec line by the Desktop Entry rules; nothing when the line
// breaks them.
std::optional<QStringList> launchCommand(const QByteArray& entry, const QString& file)
{
    const qsizetype at = entry.indexOf("\nExec=");
    if (at < 0)
        return std::nullopt;
    const QString line = QString::fromUtf8(entry.mid(at + 6, entry.indexOf('\n', at + 1) - at - 6));
    QString exec; // the key file's string escapes undone first
    for (qsizetype i = 0; i < line.size(); ++i) {
        const qsizetype k = line[i] != u'\\' ? -2 : ++i < line.size() ? QStringLiteral("sntr\\").indexOf(line[i]) : -1;
        if (k == -1)
            return std::nullopt;
        exec += k == -2 ? line[i] : QStringLiteral(" \n\t\r\\")[k];
    }
    QStringList arguments;
    QString current;
    bool inArgument = false, quoted = false, inQuotes = false;
    for (qsizetype i = 0; i <= exec.size(); ++i) {
        const QChar c = i < exec.size() ? exec[i] : QChar(u' '); // a blank ends the last argument
        if (inQuotes) {
            if (i == exec.size() || c == u'`' || c == u'$')
                return std::nullopt; // never closed, or a shell would expand it
            if (c == u'\\' && (++i == exec.size() || !QStringLiteral("\"`$\\").contains(exec[i])))
                return std::nullopt;
            inQuotes = c != u'"';
            if (inQuotes)
                current += exec[i];
        } else if (c == u'"') {
            inQuotes = inArgument = quoted = true;
        } else if (c != u' ') {
            if (QStringLiteral("\t\n\"'\\><~|&;$*?#()`").contains(c))
                return std::nullopt; // must have been quoted
            current += c;
            inArgument = true;
        } else if (inArgument) {
            // %f only standing alone and unquoted, %% anywhere; any other % is a fault of the writer.
            const QStringList parts = current.split(QStringLiteral("%%"));
            if (!quoted && current == QStringLiteral("%f"))
                arguments << file;
            else if (parts.filter(QStringLiteral("%")).isEmpty())
                arguments << parts.join(u'%');
            else
                return std::nullopt;
            current.clear();
            inArgument = quoted = false;
        }
    }
    return arguments;
}

// Every file under a folder with its content, to compare two runs.
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), readFile(path));
    }
    return files;
}

AssociationFolders foldersIn(const QTemporaryDir& tmp)
{
    return {tmp.filePath(QStringLiteral("data")), tmp.filePath(QStringLiteral("config")), {}};
}

} // namespace

class TestFileAssociation : public QObject {
    Q_OBJECT
    QTemporaryDir m_home;

private slots:
    void initTestCase()
    {
#ifdef Q_OS_WIN
        QSKIP("the freedesktop association is not used on Windows");
#endif
        // The MIME database reads the user's data folder once, at first use.
        qputenv("XDG_DATA_HOME", m_home.filePath(QStringLiteral("data")).toUtf8());
        qputenv("XDG_CONFIG_HOME", m_home.filePath(QStringLiteral("config")).toUtf8());
    }

    void execLineKeepsHostilePaths_data()
    {
        QTest::addColumn<QString>("program");
        for (const char* path : {"/opt/Star Haven/bin/strhaven", "/opt/a\"quote/strhaven", "/opt/it's/strhaven",
                                 "/opt/$HOME/strhaven", "/opt/`touch pwned`/strhaven", "/opt/$(touch pwned)/strhaven",
                                 "/opt/trailing backslash\\/strhaven", "/opt/100%/strhaven", "/opt/%f/strhaven",
                                 "/opt/%%u %F/strhaven", "/opt/a;b&c|d/strhaven", "/opt/new\nline/strhaven",
                                 "/opt/tab\there/strhaven", "/opt/carriage\rreturn/strhaven", "/opt/ two  blanks /strhaven",
                                 "/opt/\\\"$`%\\n all/strhaven", "/opt/Ünïcödé ☆ spiel/strhaven"})
            QTest::newRow(path) << QString::fromUtf8(path);
    }
    void execLineKeepsHostilePaths()
    {
        QFETCH(QString, program);
        QTemporaryDir tmp;
        writeFileAssociation(program, foldersIn(tmp));
        const QString entry = tmp.filePath(QStringLiteral("data/applications/")) + desktop::desktopFileName();
        const QString game = QStringLiteral("/home/ann/My Games/$lucky day%s \"one\".shs");
        QCOMPARE(launchCommand(readFile(entry), game), std::optional<QStringList>({program, game}));
        QCOMPARE(desktop::entryProgram(readFile(entry)), program);

        const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (!validator.isEmpty()) {
            QProcess check;
            check.start(validator, {entry});
            QVERIFY(check.waitForFinished());
            QVERIFY2(check.exitCode() == 0, check.readAllStandardOutput().constData());
        }
    }

    void registersOnceHoweverOften_data()
    {
        QTest::addColumn<QByteArray>("before"); // the user's mimeapps.list; null: none
        QTest::addColumn<QByteArray>("registered");
        QTest::addColumn<QByteArray>("removed"); // null: no file left
        const QByteArray ours = "application/x-shvslots-file=io.quillfern.StarHavenVirtualSlots.desktop;\n";
        const QByteArray others = "# mine\n[Default Applications]\ntext/plain=editor.desktop\n\n[Added Associations]\n"
                                  "image/png=viewer.desktop;\n";
        QTest::newRow("no list yet") << QByteArray() << "[Default Applications]\n" + ours << QByteArray();
        QTest::newRow("other choices kept")
            << others << "# mine\n[Default Applications]\ntext/plain=editor.desktop\n" + ours +
                             "\n[Added Associations]\nimage/png=viewer.desktop;\n" << others;
        QTest::newRow("earlier choice and its repeat replaced")
            << QByteArray("[Default Applications]\napplication/x-shvslots-file=old.desktop\n"
                          "application/x-shvslots-file=older.desktop\ntext/plain=editor.desktop\n")
            << "[Default Applications]\n" + ours + "text/plain=editor.desktop\n"
            << QByteArray("[Default Applications]\ntext/plain=editor.desktop\n");
        QTest::newRow("no default group yet")
            << QByteArray("[Added Associations]\nimage/png=viewer.desktop;\n")
            << "[Added Associations]\nimage/png=viewer.desktop;\n\n[Default Applications]\n" + ours
            << QByteArray("[Added Associations]\nimage/png=viewer.desktop;\n\n[Default Applications]\n");
    }
    void registersOnceHoweverOften()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, registered);
        QFETCH(QByteArray, removed);
        QTemporaryDir tmp;
        const AssociationFolders folders = foldersIn(tmp);
        const QString list = folders.configHome + QStringLiteral("/mimeapps.list");
        if (!before.isNull())
            QVERIFY(writeFile(list, before));
        // Someone else's entry in the same folders stays untouched.
        const QString neighbour = folders.dataHome + QStringLiteral("/applications/editor.desktop");
        QVERIFY(writeFile(neighbour, "[Desktop Entry]\nType=Application\nName=Editor\nExec=editor %f\n"));

        writeFileAssociation(QStringLiteral("/opt/star haven/bin/strhaven"), folders);
        const QMap<QString, QByteArray> first = snapshot(tmp.path());
        writeFileAssociation(QStringLiteral("/opt/star haven/bin/strhaven"), folders);
        QCOMPARE(snapshot(tmp.path()), first);
        QCOMPARE(readFile(list), registered);

        QVERIFY(removeFileAssociation(folders).isEmpty());
        QCOMPARE(readFile(list), removed);
        QCOMPARE(QFileInfo::exists(list), !removed.isNull());
        QVERIFY(QFileInfo::exists(neighbour));
        for (auto [path, content] : snapshot(tmp.path()).asKeyValueRange())
            QVERIFY2(!path.contains(QStringLiteral("strhaven")) && !path.contains(QStringLiteral("StarHaven")) &&
                         !content.contains("shvslots"), qPrintable(path));
    }

    void desktopOpensGameFilesWithTheGame()
    {
        const AssociationFolders folders = userAssociationFolders();
        QCOMPARE(folders.dataHome, m_home.filePath(QStringLiteral("data")));
        writeFileAssociation(QStringLiteral("/usr/games/strhaven"), folders);

        const QMimeType type = QMimeDatabase().mimeTypeForFile(QStringLiteral("/x/My Game.shs"), QMimeDatabase::MatchExtension);
        QCOMPARE(type.name(), QStringLiteral("application/x-shvslots-file"));
        QCOMPARE(type.comment(), QStringLiteral("Star Haven Virtual Slots Game File"));
        QVERIFY(type.inherits(QStringLiteral("text/plain")));
        QCOMPARE(type.iconName(), QStringLiteral("strhaven"));

        const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
        if (xdgMime.isEmpty())
            return;
        QProcess query;
        query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), type.name()});
        QVERIFY(query.waitForFinished());
        QCOMPARE(query.readAllStandardOutput().trimmed(), QByteArray("io.quillfern.StarHavenVirtualSlots.desktop"));
    }

    void failureShowsTheMessage_data()
    {
        QTest::addColumn<QString>("blocked");    // a file where a folder must go,
        QTest::addColumn<QString>("linkTarget"); // or a link to a file that cannot be written
        QTest::newRow("data folder") << QStringLiteral("data") << QString();
        QTest::newRow("config folder") << QStringLiteral("config") << QString();
        // Read as usual, but nothing can be made beside it, not even by root.
        QTest::newRow("list linked to a file that cannot be replaced")
            << QStringLiteral("config/mimeapps.list") << QStringLiteral("/proc/version");
    }
    void failureShowsTheMessage()
    {
        QFETCH(QString, blocked);
        QFETCH(QString, linkTarget);
        QTemporaryDir tmp;
        if (linkTarget.isEmpty()) {
            QVERIFY(writeFile(tmp.filePath(blocked), "not a folder"));
        } else {
            if (!QFileInfo::exists(linkTarget))
                QSKIP("no such file on this system");
            QDir().mkpath(QFileInfo(tmp.filePath(blocked)).absolutePath());
            QVERIFY(QFile::link(linkTarget, tmp.filePath(blocked)));
        }
        FakePrompter prompter;
        RegisterFileType(prompter, nullptr, QStringLiteral("/opt/strhaven"), foldersIn(tmp));
        QCOMPARE(prompter.boxes(), QStringList{"Exclamation Ok, Star Haven Virtual Slots: There was an error registering "
                                               "the game extension, shs. You will not be able to select a game file "
                                               "from Explorer to start Star Haven Virtual Slots"});
    }

    // An installation for every user (a package, a system-wide cmake
    // --install) lays down the type and the entry in a system data folder.
    // A player's first run of that very program then only makes it their
    // default: copies in their own folder would keep .shs files typed as
    // the game's after the package is gone.
    void systemInstallationGetsOnlyTheDefault_data()
    {
        QTest::addColumn<QStringList>("system"); // per XDG_DATA_DIRS folder: what it holds
        QTest::addColumn<QString>("onPath");     // the strhaven the PATH finds
        QTest::addColumn<bool>("copies");        // the user's own files are written
        const QString both = QStringLiteral("entry for strhaven, type");
        QTest::newRow("installed for every user") << QStringList{both} << QStringLiteral("this") << false;
        QTest::newRow("on the PATH through a link") << QStringList{both} << QStringLiteral("link") << false;
        QTest::newRow("entry naming this program by its path")
            << QStringList{QStringLiteral("entry for this, type")} << QString() << false;
        QTest::newRow("type and entry in different folders")
            << QStringList{QStringLiteral("type"), QStringLiteral("entry for strhaven")} << QStringLiteral("this") << false;
        QTest::newRow("the PATH finds another copy") << QStringList{both} << QStringLiteral("other") << true;
        QTest::newRow("nothing on the PATH") << QStringList{both} << QString() << true;
        QTest::newRow("first entry is another copy's")
            << QStringList{QStringLiteral("entry for other, type"), both} << QStringLiteral("this") << true;
        QTest::newRow("no type in the system") << QStringList{QStringLiteral("entry for strhaven")} << QStringLiteral("this") << true;
        QTest::newRow("no entry in the system") << QStringList{QStringLiteral("type")} << QStringLiteral("this") << true;
        QTest::newRow("neither in the system") << QStringList{QStringLiteral("nothing")} << QStringLiteral("this") << true;
    }
    void systemInstallationGetsOnlyTheDefault()
    {
        QFETCH(QStringList, system);
        QFETCH(QString, onPath);
        QFETCH(bool, copies);
        QTemporaryDir tmp;
        const auto program = [&tmp](const QString& name) {
            const QString path = tmp.filePath(name + QStringLiteral("/strhaven"));
            writeFile(path, "#!/bin/sh\n");
            QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
            return path;
        };
        const QString self = program(QStringLiteral("games")), other = program(QStringLiteral("opt"));
        const QString bin = tmp.filePath(QStringLiteral("bin"));
        QDir().mkpath(bin);
        const QString onPathFile = bin + QStringLiteral("/strhaven");
        if (onPath == QStringLiteral("this") || onPath == QStringLiteral("other"))
            QVERIFY(QFile::copy(onPath == QStringLiteral("this") ? self : other, onPathFile));
        if (onPath == QStringLiteral("link"))
            QVERIFY(QFile::link(self, onPathFile));
        // "this": the program runs from the PATH's folder itself.
        const QString running = onPath == QStringLiteral("this") ? onPathFile : self;

        QStringList dataDirs;
        for (const QString& holds : system) {
            const QString folder = tmp.filePath(QStringLiteral("system%1").arg(dataDirs.size()));
            dataDirs << folder;
            std::vector<desktop::DesktopFile> files;
            if (holds.startsWith(QStringLiteral("entry for "))) {
                const QString who = holds.section(u' ', 2, 2).remove(u',');
                const QString named = who == QStringLiteral("strhaven") ? desktop::programName()
                                      : who == QStringLiteral("this") ? running : other;
                files.push_back({desktop::desktopEntryPath(), desktop::desktopEntry(named)});
            }
            if (holds.endsWith(QStringLiteral("type")))
                files.push_back({desktop::mimePackagePath(), desktop::mimePackage()});
            desktop::writeDesktopFiles(folder, files);
        }
        ScopedEnvironment environment("PATH", bin.toUtf8());
        environment.set("XDG_DATA_HOME", tmp.filePath(QStringLiteral("data")).toUtf8());
        environment.set("XDG_CONFIG_HOME", tmp.filePath(QStringLiteral("config")).toUtf8());
        environment.set("XDG_DATA_DIRS", dataDirs.join(u':').toUtf8());
        const AssociationFolders folders = userAssociationFolders();
        QCOMPARE(folders.systemData, dataDirs);

        FakePrompter prompter;
        RegisterFileType(prompter, nullptr, running, folders);
        QCOMPARE(prompter.boxes(), QStringList());
        QCOMPARE(readFile(folders.configHome + QStringLiteral("/mimeapps.list")),
                 QByteArray("[Default Applications]\napplication/x-shvslots-file=io.quillfern.StarHavenVirtualSlots.desktop;\n"));
        const QMap<QString, QByteArray> written = snapshot(folders.dataHome);
        if (copies)
            QVERIFY(written.contains(desktop::desktopEntryPath()) && written.contains(desktop::mimePackagePath()));
        else
            QCOMPARE(written.keys(), QStringList());
    }
};

QTEST_MAIN(TestFileAssociation)
#include "tst_fileassociation.moc"
