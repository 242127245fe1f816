#include "seams/ErrorReport.h"
#include "fakes/FullDisk.h"
#include "seams/LocalFiles.h"
#include "fakes/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace strhaven;

namespace {

// The error number a call throws, or 0.
template <class Call>
int failureOf(Call call)
{
    try {
        call();
    } catch (const RunError& e) {
        return e.number();
    }
    return 0;
}

mode_t modeOf(const QByteArray& path)
{
    struct stat st;
    return ::stat(path.constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

} // namespace

class TestLocalFiles : public QObject {
    Q_OBJECT
private slots:
    // Any name the file system holds comes back byte for byte; a name
    // that is valid UTF-8 is the plain text it says.
    void namesRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("shown"); // as a title shows it
        QTest::newRow("ASCII") << QByteArray("/home/x/game.shs") << "/home/x/game.shs";
        QTest::newRow("UTF-8") << QByteArray("/home/x/caf\xc3\xa9 \xf0\x9f\x8e\xb0.shs")
                               << QString::fromUtf8("/home/x/caf\u00e9 \U0001F3B0.shs");
        QTest::newRow("Latin-1") << QByteArray("/home/x/caf\xe9.shs") << QString::fromUtf8("/home/x/caf\uFFFD.shs");
        QTest::newRow("a sequence cut short") << QByteArray("a\xe2\x82") << QString::fromUtf8("a\uFFFD\uFFFD");
        QTest::newRow("an encoded surrogate") << QByteArray("\xed\xb2\x80") << QString::fromUtf8("\uFFFD\uFFFD\uFFFD");
        QTest::newRow("an overlong slash") << QByteArray("\xc0\xaf") << QString::fromUtf8("\uFFFD\uFFFD");
        QTest::newRow("a byte after a pair") << QByteArray("\xf0\x9f\x8e\xb0\xff")
                                             << QString::fromUtf8("\U0001F3B0\uFFFD");
    }
    void namesRoundTrip()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, shown);
        const QString path = pathFromNative(name);
        QCOMPARE(nativePath(path), name);
        QCOMPARE(printablePath(path), shown);
    }

    // A name that is not UTF-8 is written, found and read as itself.
    void nameThatIsNotUtf8()
    {
        QTemporaryDir dir;
        const QByteArray name = QFile::encodeName(dir.path()) + "/caf\xe9.shs";
        const QString path = pathFromNative(name);
        replaceFileContent(path, "kept");
        QVERIFY(::access(name.constData(), F_OK) == 0);
        QVERIFY(fileStatus(path).regular);
        QCOMPARE(openForReading(path)->readAll(), QByteArray("kept"));
    }

    // Replaced whole: a link stays a link and its target gets the content;
    // an existing file keeps its permissions; a new one gets the usual.
    void replacing()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath("target.shs");
        const QString link = dir.filePath("link.shs");
        QVERIFY(writeFile(target, "old"));
        QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
        QVERIFY(QFile::link(target, link));
        replaceFileContent(link, "new");
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readFile(target), QByteArray("new"));
        QCOMPARE(modeOf(QFile::encodeName(target)), mode_t(0640));

        const mode_t mask = ::umask(022);
        replaceFileContent(dir.filePath("fresh.shs"), "x");
        ::umask(mask);
        QCOMPARE(modeOf(QFile::encodeName(dir.filePath("fresh.shs"))), mode_t(0644));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3); // no temporary left
    }

    // What a save cut short by a crash left in the folder (older than this
    // run) goes at the next save there; what is newer may be another
    // save's, and stays. A path of 4,092 bytes saves, though the temporary
    // name is longer than the game's own.
    void leftoversAndLongPaths()
    {
        QTemporaryDir dir;
        const QString old = dir.filePath(".strhaven-save-Ab3dE9");
        const QString recent = dir.filePath(".strhaven-save-Zz9yY8");
        const QString notOurs = dir.filePath(".strhaven-save-notes");
        for (const QString& file : {old, recent, notOurs})
            QVERIFY(writeFile(file, "cut short"));
        const struct timespec hourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
        QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(old).constData(), hourAgo, 0) == 0);
        QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(notOurs).constData(), hourAgo, 0) == 0);
        replaceFileContent(dir.filePath("game.shs"), "saved");
        QVERIFY(!QFile::exists(old));
        QVERIFY(QFile::exists(recent));
        QVERIFY(QFile::exists(notOurs));

        QString path = dir.path();
        while (path.size() < 4092 - 6)
            path += '/' + QString(qMin<qsizetype>(200, 4092 - 6 - path.size() - 1), 'd');
        QVERIFY(QDir().mkpath(path));
        path += QStringLiteral("/a.shs");
        QCOMPARE(QFile::encodeName(path).size(), 4092);
        replaceFileContent(path, "deep");
        QCOMPARE(openForReading(path)->readAll(), QByteArray("deep"));
    }

    // Whatever lies at a path that is no regular file, reading refuses it
    // at once: a pipe would wait for a writer for ever.
    void readingRefuses_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("error");
        QTest::newRow("missing file") << "gone.shs" << int(ErrorNumber::FileNotFound);
        QTest::newRow("missing folder") << "gone/x.shs" << int(ErrorNumber::PathNotFound);
        QTest::newRow("a folder") << "folder" << int(ErrorNumber::PathFileAccess);
        QTest::newRow("a pipe") << "pipe" << int(ErrorNumber::PathFileAccess);
        QTest::newRow("empty path") << "" << int(ErrorNumber::FileNotFound);
    }
    void readingRefuses()
    {
        QFETCH(QString, what);
        QFETCH(int, error);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600) == 0);
        const QString path = what.isEmpty() ? QString() : dir.filePath(what);
        QCOMPARE(failureOf([&] { openForReading(path); }), error);
    }

    // A full disk fails the save, says so, and leaves the old file byte for
    // byte and no temporary behind.
    void fullDisk()
    {
        FullDisk disk;
        STRHAVEN_NEED_FULL_DISK(disk);
        const QString path = disk.filePath("game.shs");
        const QByteArray old = QByteArray("old game\r\n").repeated(50);
        replaceFileContent(path, old);
        disk.fill();
        QCOMPARE(failureOf([&] { replaceFileContent(path, QByteArray(3000, 'n')); }), int(ErrorNumber::DiskFull));
        QCOMPARE(readFile(path), old);
        QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({".filler", "game.shs"}));
    }
};

QTEST_GUILESS_MAIN(TestLocalFiles)
#include "tst_localfiles.moc"
