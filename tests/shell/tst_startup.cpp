#include "fakes/FullDisk.h"
#include "shell/StartUp.h"
#include "fakes/TestFiles.h"

#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mount.h>

using namespace strhaven;

class TestStartUp : public QObject {
    Q_OBJECT
private slots:
    void oneInstancePerUser()
    {
        using Outcome = InstanceLock::Outcome;
        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
        auto first = lockSingleInstance();
        QCOMPARE(first.outcome, Outcome::Held);
        QCOMPARE(lockSingleInstance().outcome, Outcome::OtherInstance);
        first.lock.reset();
        QCOMPARE(lockSingleInstance().outcome, Outcome::Held);
        // A config folder that cannot hold a lock is no other instance.
        const QString blocker = home.filePath("file");
        QVERIFY(writeFile(blocker));
        qputenv("XDG_CONFIG_HOME", blocker.toLocal8Bit());
        QCOMPARE(lockSingleInstance().outcome, Outcome::Unavailable);
        qunsetenv("XDG_CONFIG_HOME");
    }

    // Whether the settings can be kept is found out by writing: the answer
    // the file's own permissions give is not enough, as the store is
    // replaced through a new file beside it.
    void settingsCanBeKept_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("kept");
        QTest::newRow("a config folder to make") << "new" << true;
        QTest::newRow("an existing store") << "existing" << true;
        QTest::newRow("a file where the config folder should be") << "file as folder" << false;
        QTest::newRow("a folder where the store should be") << "folder as store" << false;
        QTest::newRow("a full disk") << "full disk" << false;
        QTest::newRow("a read-only file system, the store writable by its mode") << "read-only" << false;
    }
    void settingsCanBeKept()
    {
        QFETCH(QString, where);
        QFETCH(bool, kept);
        FullDisk disk;
        QTemporaryDir tmp;
        QString store = tmp.filePath("config/Star Haven Virtual Slots.ini");
        if (where == "existing")
            QVERIFY(writeFile(store, "[Window]\nFirstTime=False\n"));
        if (where == "file as folder") {
            QVERIFY(writeFile(tmp.filePath("config")));
        } else if (where == "folder as store") {
            QVERIFY(QDir().mkpath(store));
        } else if (where == "full disk" || where == "read-only") {
            STRHAVEN_NEED_FULL_DISK(disk);
            store = disk.filePath("Star Haven Virtual Slots.ini");
            QVERIFY(writeFile(store, "[Window]\nFirstTime=False\n"));
            if (where == "full disk")
                disk.fill();
            else
                QVERIFY(::mount(nullptr, QFile::encodeName(disk.filePath("")).constData(), nullptr,
                                MS_REMOUNT | MS_RDONLY, nullptr) == 0);
        }
        QCOMPARE(strhaven::settingsCanBeKept(store), kept);
        if (where == "read-only")
            QVERIFY(::mount(nullptr, QFile::encodeName(disk.filePath("")).constData(), nullptr, MS_REMOUNT, nullptr) == 0);
        // Trying leaves nothing behind.
        if (where == "existing" || where == "new")
            QCOMPARE(QDir(tmp.filePath("config")).entryList(QDir::Files | QDir::Hidden),
                     where == "new" ? QStringList() : QStringList{"Star Haven Virtual Slots.ini"});
    }
};

QTEST_GUILESS_MAIN(TestStartUp)
#include "tst_startup.moc"
