#include "platform/DesktopDocumentOpener.h"
#include "fakes/ScopedEnvironment.h"
#include "fakes/TestFiles.h"

#include <QDesktopServices>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace strhaven;

// Stands in for QDesktopServices' own handlers, so that no program is started.
class Handler : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

class TestDesktopOpener : public QObject {
    Q_OBJECT
private slots:
    // A local file is checked before the desktop is asked; the desktop is
    // asked whether it has a program before anything is launched; and a
    // launch that fails is a failure too.
    void results_data()
    {
        QTest::addColumn<QString>("target"); // @ is the temporary folder
        QTest::addColumn<int>("handler");    // does the desktop have a program: 1, 0, or -1 out of memory
        QTest::addColumn<bool>("launches");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("calls"); // what the desktop was asked about the target
        const QString web = "https://example.invalid/page";
        QTest::newRow("readme") << "@/readme.txt" << 1 << true << 33 << "has launch";
        QTest::newRow("blanks, #, % and ? in the path") << "@/a b#c%20?.html" << 1 << true << 33 << "has launch";
        QTest::newRow("missing file") << "@/gone.txt" << 1 << true << 2 << "";
        QTest::newRow("web address") << web << 1 << true << 33 << "has launch";
        QTest::newRow("no program for the readme") << "@/readme.txt" << 0 << true << 31 << "has";
        QTest::newRow("no program for the address") << web << 0 << true << 31 << "has";
        QTest::newRow("launch fails") << "@/readme.txt" << 1 << false << 31 << "has launch";
        QTest::newRow("out of memory") << "@/readme.txt" << -1 << true << 8 << "has";
    }
    void results()
    {
        QFETCH(QString, target);
        QFETCH(int, handler);
        QFETCH(bool, launches);
        QFETCH(int, result);
        QFETCH(QString, calls);
        QTemporaryDir dir;
        for (const char* name : {"readme.txt", "a b#c%20?.html"})
            QVERIFY(writeFile(dir.filePath(QString::fromLatin1(name))));
        target.replace('@', dir.path());
        const QUrl url = target.startsWith("https:") ? QUrl(target) : QUrl::fromLocalFile(target);
        QStringList asked;
        DesktopDocumentOpener opener({[&](const QUrl& u) {
                                          asked << (u == url ? "has" : "has " + u.toString());
                                          if (handler < 0)
                                              throw std::bad_alloc();
                                          return handler == 1;
                                      },
                                      [&](const QUrl& u) {
                                          asked << (u == url ? "launch" : "launch " + u.toString());
                                          return launches;
                                      }});
        QCOMPARE(opener.openDocument(nullptr, target), result);
        QCOMPARE(asked.join(' '), calls);
    }

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    // The real desktop: the handlers of the session's folders, read at each
    // opening, and the launch through QDesktopServices.
    void systemDesktop()
    {
        const QString mime = QStandardPaths::locate(QStandardPaths::GenericDataLocation, "mime/mime.cache");
        if (mime.isEmpty())
            QSKIP("no shared MIME database");
        QTemporaryDir root;
        QVERIFY(QDir().mkpath(root.filePath("share")));
        QVERIFY(QFile::link(QFileInfo(mime).absolutePath(), root.filePath("share/mime")));
        QVERIFY(writeFile(root.filePath("readme.txt"), "Read me."));
        QVERIFY(writeFile(root.filePath("bin/reader")));
        QVERIFY(QFile::setPermissions(root.filePath("bin/reader"), QFile::ReadOwner | QFile::ExeOwner));
        ScopedEnvironment env;
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME"})
            env.set(name, root.filePath("none").toUtf8());
        env.set("XDG_DATA_DIRS", root.filePath("share").toUtf8());
        env.set("PATH", root.filePath("bin").toUtf8());
        env.unset("BROWSER");
        env.unset("XDG_CURRENT_DESKTOP");
        Handler handler;
        QDesktopServices::setUrlHandler("file", &handler, "open");
        const auto unset = qScopeGuard([] { QDesktopServices::unsetUrlHandler("file"); });

        DesktopDocumentOpener opener;
        QCOMPARE(opener.openDocument(nullptr, root.filePath("readme.txt")), 31);
        QCOMPARE(handler.opened, QList<QUrl>());
        QVERIFY(writeFile(root.filePath("share/applications/reader.desktop"),
                          "[Desktop Entry]\nType=Application\nName=Reader\nExec=reader %f\nMimeType=text/plain;\n"));
        QCOMPARE(opener.openDocument(nullptr, root.filePath("readme.txt")), 33);
        QCOMPARE(handler.opened, QList<QUrl>{QUrl::fromLocalFile(root.filePath("readme.txt"))});
    }
#endif
};

QTEST_MAIN(TestDesktopOpener)
#include "tst_desktopopener.moc"
