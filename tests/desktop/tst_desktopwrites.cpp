#include "fakes/FakePrompter.h"
#include "desktop/FileAssociation.h"
#include "fakes/FullDisk.h"
#include "desktop/MimeAppsList.h"
#include "fakes/TestFiles.h"
#include "desktop/UninstallLog.h"

#include <QDirIterator>
#include <QTest>

using namespace strhaven;

namespace {

// Every file under a folder with its content, but the filler.
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        if (!path.endsWith(".filler"))
            files.insert(QDir(folder).relativeFilePath(path), readFile(path));
    }
    return files;
}

} // namespace

// What the first run writes into the user's own files, on a disk that is
// full: the user's list of default programs belongs to every program they
// use, and a failed write must give it back byte for byte.
class TestDesktopWrites : public QObject {
    Q_OBJECT
private slots:
    void fullDisk_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("message");
        const QString registration = "There was an error registering the game extension, shs. You will not be able "
                                     "to select a game file from Explorer to start Star Haven Virtual Slots";
        const QString log = "The uninstall information may be corrupt. If you decide to uninstall Star Haven Virtual "
                            "Slots you may need to do it manually. The Readme.txt file has instructions.";
        QTest::newRow("the file type, a first time") << "register" << registration;
        QTest::newRow("the file type over an earlier run's") << "register again" << registration;
        QTest::newRow("the uninstall log") << "log" << log;
        QTest::newRow("the list of default programs") << "defaults" << "61: Disk full";
    }
    void fullDisk()
    {
        QFETCH(QString, step);
        QFETCH(QString, message);
        FullDisk disk;
        STRHAVEN_NEED_FULL_DISK(disk);
        const AssociationFolders folders{disk.filePath("data"), disk.filePath("config"), {}};
        QVERIFY(writeFile(disk.filePath("config/mimeapps.list"),
                          "[Default Applications]\ntext/plain=editor.desktop;\nimage/png=viewer.desktop;\n"));
        QVERIFY(writeFile(disk.filePath("share/strhaven/st5unst.log"), "File: \"/opt/x/readme.txt\"\r\n"));
        if (step == "register again") {
            // An earlier run's files, small enough to leave room for them.
            QVERIFY(writeFile(disk.filePath("data/applications/io.quillfern.StarHavenVirtualSlots.desktop"), "old"));
        }
        const auto before = snapshot(disk.filePath(""));
        disk.fill();
        FakePrompter prompter;
        if (step == "defaults") {
            desktop::MimeAppsList list(disk.filePath("config/mimeapps.list"));
            list.setDefault("application/x-shvslots-file", "io.quillfern.StarHavenVirtualSlots.desktop");
            try {
                list.save();
            } catch (const RunError& e) {
                ShowError(prompter, nullptr, e, "Star Haven Virtual Slots");
            }
        } else if (step == "log")
            WriteUninstallLog(prompter, nullptr, disk.filePath("share/strhaven"), disk.filePath("config/x.ini"));
        else
            RegisterFileType(prompter, nullptr, "/opt/strhaven/bin/strhaven", folders);
        QCOMPARE(prompter.boxes(), QStringList{"Exclamation Ok, Star Haven Virtual Slots: " + message});
        disk.empty();
        QCOMPARE(snapshot(disk.filePath("")), before);
    }
};

QTEST_MAIN(TestDesktopWrites)
#include "tst_desktopwrites.moc"
