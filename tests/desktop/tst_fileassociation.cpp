#include "DesktopIdentity.h"
#include "FakePrompter.h"
#include "FileAssociation.h"

#include <QDirIterator>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace strhaven;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// The key file's string escapes undone, as a launcher reads the value.
std::optional<QString> unescapeValue(const QString& value)
{
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value.at(i) != u'\\') {
            out += value.at(i);
            continue;
        }
        if (++i == value.size())
            return std::nullopt;
        const QChar c = value.at(i);
        if (c == u's') out += u' ';
        else if (c == u'n') out += u'\n';
        else if (c == u't') out += u'\t';
        else if (c == u'r') out += u'\r';
        else if (c == u'\\') out += u'\\';
        else return std::nullopt;
    }
    return out;
}

// A field code expanded in one argument: %f only standing alone and
// unquoted, %% anywhere; any other % is a fault of the writer.
std::optional<QString> expandFieldCodes(const QString& argument, bool quoted, const QString& file)
{
    if (!quoted && argument == QStringLiteral("%f"))
        return file;
    QString out;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        if (argument.at(i) != u'%') {
            out += argument.at(i);
        } else if (i + 1 < argument.size() && argument.at(i + 1) == u'%') {
            out += u'%';
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return out;
}

// The program and its arguments a launcher runs for `file`, read from the
// entry's Exec line by the Desktop Entry rules; nothing when the line
// breaks them.
std::optional<QStringList> launchCommand(const QByteArray& entry, const QString& file)
{
    const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    for (const QByteArray& raw : entry.split('\n')) {
        if (!raw.startsWith("Exec="))
            continue;
        const std::optional<QString> exec = unescapeValue(QString::fromUtf8(raw.mid(5)));
        if (!exec)
            return std::nullopt;
        QStringList arguments;
        QString current;
        bool inArgument = false, quoted = false, inQuotes = false;
        auto finish = [&]() -> bool {
            if (!inArgument)
                return true;
            const std::optional<QString> expanded = expandFieldCodes(current, quoted, file);
            if (!expanded)
                return false;
            arguments << *expanded;
            current.clear();
            inArgument = quoted = false;
            return true;
        };
        for (qsizetype i = 0; i < exec->size(); ++i) {
            const QChar c = exec->at(i);
            if (inQuotes) {
                if (c == u'"') {
                    inQuotes = false;
                } else if (c == u'\\') {
                    if (++i == exec->size() || !QStringLiteral("\"`$\\").contains(exec->at(i)))
                        return std::nullopt;
                    current += exec->at(i);
                } else if (c == u'`' || c == u'$') {
                    return std::nullopt; // a shell would expand it
                } else {
                    current += c;
                }
            } else if (c == u' ') {
                if (!finish())
                    return std::nullopt;
            } else if (c == u'"') {
                inQuotes = inArgument = quoted = true;
            } else if (reserved.contains(c)) {
                return std::nullopt; // must have been quoted
            } else {
                current += c;
                inArgument = true;
            }
        }
        if (inQuotes || !finish())
            return std::nullopt;
        return arguments;
    }
    return std::nullopt;
}

QString entryPath(const QString& dataHome)
{
    return dataHome + QStringLiteral("/applications/") + desktop::desktopFileName();
}

// Every file under a folder with its content, to compare two runs.
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), readAll(path));
    }
    return files;
}

const QString RegisterMessage = QStringLiteral(
    "There was an error registering the game extension, shs. You will not be able to select a game file from "
    "Explorer to start Star Haven Virtual Slots");

} // namespace

class TestFileAssociation : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void execLineKeepsHostilePaths_data();
    void execLineKeepsHostilePaths();
    void registersOnceHoweverOften_data();
    void registersOnceHoweverOften();
    void desktopOpensGameFilesWithTheGame();
    void failureShowsTheMessage_data();
    void failureShowsTheMessage();

private:
    QTemporaryDir m_home;
};

void TestFileAssociation::initTestCase()
{
#ifdef Q_OS_WIN
    QSKIP("the freedesktop association is not used on Windows");
#endif
    // The MIME database reads the user's data folder once, at first use.
    qputenv("XDG_DATA_HOME", m_home.filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CONFIG_HOME", m_home.filePath(QStringLiteral("config")).toUtf8());
}

void TestFileAssociation::execLineKeepsHostilePaths_data()
{
    QTest::addColumn<QString>("program");
    const char* const paths[] = {
        "/opt/Star Haven/bin/strhaven",
        "/opt/a\"quote/strhaven",
        "/opt/it's/strhaven",
        "/opt/$HOME/strhaven",
        "/opt/`touch pwned`/strhaven",
        "/opt/$(touch pwned)/strhaven",
        "/opt/back\\slash/strhaven",
        "/opt/trailing backslash\\/strhaven",
        "/opt/100%/strhaven",
        "/opt/%f/strhaven",
        "/opt/%%u %F/strhaven",
        "/opt/a;b&c|d/strhaven",
        "/opt/new\nline/strhaven",
        "/opt/tab\there/strhaven",
        "/opt/carriage\rreturn/strhaven",
        "/opt/ two  blanks /strhaven",
        "/opt/\\\"$`%\\n all/strhaven",
        "/opt/Ünïcödé ☆ spiel/strhaven",
    };
    for (const char* path : paths)
        QTest::newRow(path) << QString::fromUtf8(path);
}

void TestFileAssociation::execLineKeepsHostilePaths()
{
    QFETCH(QString, program);
    QTemporaryDir tmp;
    const AssociationFolders folders{tmp.filePath(QStringLiteral("data")), tmp.filePath(QStringLiteral("config"))};
    writeFileAssociation(program, folders);

    const QString game = QStringLiteral("/home/ann/My Games/$lucky day%s \"one\".shs");
    const QByteArray entry = readAll(entryPath(folders.dataHome));
    QCOMPARE(launchCommand(entry, game), std::optional<QStringList>({program, game}));

    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (!validator.isEmpty()) {
        QProcess check;
        check.start(validator, {entryPath(folders.dataHome)});
        QVERIFY(check.waitForFinished());
        QVERIFY2(check.exitCode() == 0, check.readAllStandardOutput().constData());
    }
}

void TestFileAssociation::registersOnceHoweverOften_data()
{
    QTest::addColumn<QByteArray>("before"); // the user's mimeapps.list; null: none
    QTest::addColumn<QByteArray>("registered");
    QTest::addColumn<QByteArray>("removed"); // null: no file left

    const QByteArray ours = "application/x-shvslots-file=io.quillfern.StarHavenVirtualSlots.desktop;\n";
    QTest::newRow("no list yet") << QByteArray() << "[Default Applications]\n" + ours << QByteArray();
    QTest::newRow("other choices kept")
        << QByteArray("# mine\n[Default Applications]\ntext/plain=editor.desktop\n\n[Added Associations]\n"
                      "image/png=viewer.desktop;\n")
        << "# mine\n[Default Applications]\ntext/plain=editor.desktop\n" + ours +
               "\n[Added Associations]\nimage/png=viewer.desktop;\n"
        << QByteArray("# mine\n[Default Applications]\ntext/plain=editor.desktop\n\n[Added Associations]\n"
                      "image/png=viewer.desktop;\n");
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

void TestFileAssociation::registersOnceHoweverOften()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, registered);
    QFETCH(QByteArray, removed);
    QTemporaryDir tmp;
    const AssociationFolders folders{tmp.filePath(QStringLiteral("data")), tmp.filePath(QStringLiteral("config"))};
    const QString list = folders.configHome + QStringLiteral("/mimeapps.list");
    if (!before.isNull())
        writeFile(list, before);
    // Someone else's entry in the same folders stays untouched.
    const QString neighbour = folders.dataHome + QStringLiteral("/applications/editor.desktop");
    writeFile(neighbour, "[Desktop Entry]\nType=Application\nName=Editor\nExec=editor %f\n");

    const QString program = QStringLiteral("/opt/star haven/bin/strhaven");
    writeFileAssociation(program, folders);
    const QMap<QString, QByteArray> first = snapshot(tmp.path());
    writeFileAssociation(program, folders);
    QCOMPARE(snapshot(tmp.path()), first);
    QCOMPARE(readAll(list), registered);

    QVERIFY(removeFileAssociation(folders).isEmpty());
    QCOMPARE(readAll(list), removed);
    QCOMPARE(QFileInfo::exists(list), !removed.isNull());
    QVERIFY(QFileInfo::exists(neighbour));
    for (auto [path, content] : snapshot(tmp.path()).asKeyValueRange()) {
        QVERIFY2(!path.contains(QStringLiteral("strhaven")) && !path.contains(QStringLiteral("StarHaven")),
                 qPrintable(path));
        QVERIFY2(!content.contains("shvslots"), qPrintable(path));
    }
}

void TestFileAssociation::desktopOpensGameFilesWithTheGame()
{
    const AssociationFolders folders = userAssociationFolders();
    QCOMPARE(folders.dataHome, m_home.filePath(QStringLiteral("data")));
    writeFileAssociation(QStringLiteral("/usr/games/strhaven"), folders);

    const QMimeType type =
        QMimeDatabase().mimeTypeForFile(QStringLiteral("/x/My Game.shs"), QMimeDatabase::MatchExtension);
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

void TestFileAssociation::failureShowsTheMessage_data()
{
    QTest::addColumn<QString>("blocked");    // a file where a folder must go,
    QTest::addColumn<QString>("linkTarget"); // or a link to a file that cannot be written
    QTest::newRow("data folder") << QStringLiteral("data") << QString();
    QTest::newRow("config folder") << QStringLiteral("config") << QString();
    // Read as usual, but nothing can be made beside it, not even by root.
    QTest::newRow("list linked to a file that cannot be replaced")
        << QStringLiteral("config/mimeapps.list") << QStringLiteral("/proc/version");
}

void TestFileAssociation::failureShowsTheMessage()
{
    QFETCH(QString, blocked);
    QFETCH(QString, linkTarget);
    QTemporaryDir tmp;
    if (linkTarget.isEmpty()) {
        writeFile(tmp.filePath(blocked), "not a folder");
    } else {
        QDir().mkpath(QFileInfo(tmp.filePath(blocked)).absolutePath());
        if (linkTarget.startsWith(u'/') && !QFileInfo::exists(linkTarget))
            QSKIP("no such file on this system");
        QVERIFY(QFile::link(QDir(tmp.path()).absoluteFilePath(linkTarget), tmp.filePath(blocked)));
    }
    FakePrompter prompter;
    RegisterFileType(prompter, nullptr, QStringLiteral("/opt/strhaven"),
                     {tmp.filePath(QStringLiteral("data")), tmp.filePath(QStringLiteral("config"))});
    QCOMPARE(prompter.texts(), QStringList{RegisterMessage});
    QCOMPARE(prompter.messages.first().title, QStringLiteral("Star Haven Virtual Slots"));
    QCOMPARE(prompter.messages.first().icon, Prompter::Icon::Exclamation);
    QCOMPARE(prompter.messages.first().buttons, Prompter::Buttons::Ok);
}

QTEST_MAIN(TestFileAssociation)
#include "tst_fileassociation.moc"
