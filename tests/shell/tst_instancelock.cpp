#include "shell/InstanceLock.h"
#include "fakes/TestFiles.h"

#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

using namespace strhaven;

class TestInstanceLock : public QObject {
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
        // Another computer's lock (a home restored or shared) is not
        // another instance here: the player may take it over.
        const QString lockFile = home.filePath("Star Haven Virtual Slots.lock");
        QVERIFY(writeFile(lockFile, "4242\nstrhaven\nanother-computer\n"));
        const InstanceLock other = lockSingleInstance();
        QCOMPARE(other.outcome, Outcome::OtherComputer);
        QCOMPARE(other.otherComputer, QString("another-computer"));
        const InstanceLock taken = takeOverInstanceLock();
        QCOMPARE(taken.outcome, Outcome::Held);
        QCOMPARE(lockSingleInstance().outcome, Outcome::OtherInstance);
        // A config folder that cannot hold a lock is no other instance.
        const QString blocker = home.filePath("file");
        QVERIFY(writeFile(blocker));
        qputenv("XDG_CONFIG_HOME", blocker.toLocal8Bit());
        QCOMPARE(lockSingleInstance().outcome, Outcome::Unavailable);
        qunsetenv("XDG_CONFIG_HOME");
    }
};

QTEST_GUILESS_MAIN(TestInstanceLock)
#include "tst_instancelock.moc"
