#include "fakes/FakePrompter.h"
#include "fakes/ScopedEnvironment.h"
#include "fakes/TestFiles.h"
#include "desktop/UninstallLog.h"

#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace strhaven;

namespace {

// The log lines as an uninstaller reads them; %1 is the settings folder.
const char* const ExpectedLines[] = {
    R"(ACTION: RegKey: "%1", "Star Haven Virtual Slots\Window")",
    R"(ACTION: RegValue: "%1\Star Haven Virtual Slots\Window", "FirstTime")",
    R"(ACTION: RegValue: "%1\Star Haven Virtual Slots\Window", "Left")",
    R"(ACTION: RegValue: "%1\Star Haven Virtual Slots\Window", "Top")",
    R"(ACTION: RegValue: "%1\Star Haven Virtual Slots\Window", "Payouts")",
    R"(ACTION: RegKey: "%1", "Star Haven Virtual Slots\Options")",
    R"(ACTION: RegValue: "%1\Star Haven Virtual Slots\Options", "WheelSpeed")",
    R"(ACTION: RegValue: "%1\Star Haven Virtual Slots\Options", "CoinSound")",
    R"(ACTION: RegValue: "%1\Star Haven Virtual Slots\Options", "JackPotSound")",
    R"(ACTION: RegValue: "%1\Star Haven Virtual Slots\Options", "WheelSound")",
    R"(ACTION: RegValue: "%1\Star Haven Virtual Slots\Options", "Sound")",
    R"(ACTION: RegValue: "%1\Star Haven Virtual Slots\Options", "LoadLastFile")",
    R"(ACTION: RegValue: "%1\Star Haven Virtual Slots\Options", "Machine")",
    R"(ACTION: RegValue: "%1\Star Haven Virtual Slots\Options", "Payout")",
    R"(ACTION: RegKey: "%1", "Star Haven Virtual Slots\CashOut")",
    R"(ACTION: RegValue: "%1\Star Haven Virtual Slots\CashOut", "ShowStats")",
    R"(ACTION: RegValue: "%1\Star Haven Virtual Slots\CashOut", "CashOut")",
    R"(ACTION: RegKey: "%1", "Star Haven Virtual Slots\LastFile")",
    R"(ACTION: RegValue: "%1\Star Haven Virtual Slots\LastFile", "Name")",
    R"(ACTION: RegKey: "%1", "Star Haven Virtual Slots\Wheel")",
    R"(ACTION: RegValue: "%1\Star Haven Virtual Slots\Wheel", "1")",
    R"(ACTION: RegValue: "%1\Star Haven Virtual Slots\Wheel", "2")",
    R"(ACTION: RegValue: "%1\Star Haven Virtual Slots\Wheel", "3")",
    R"(ACTION: RegValue: "%1\Star Haven Virtual Slots\Wheel", "4")",
    R"(ACTION: RegValue: "%1\Star Haven Virtual Slots\Wheel", "5")",
    R"(ACTION: RegValue: "%1\Star Haven Virtual Slots\Wheel", "6")",
    R"(ACTION: RegValue: "%1\Star Haven Virtual Slots\Wheel", "7")",
    R"(ACTION: RegValue: "%1\Star Haven Virtual Slots\Wheel", "8")",
    R"(ACTION: RegValue: "%1\Star Haven Virtual Slots\Wheel", "9")",
    R"(ACTION: RegKey: "HKEY_CLASSES_ROOT", ".shs")",
    R"(ACTION: RegValue: "HKEY_CLASSES_ROOT\.shs", "")",
    R"(ACTION: RegKey: "HKEY_CLASSES_ROOT", "SHVSLOTS_File")",
    R"(ACTION: RegValue: "HKEY_CLASSES_ROOT\SHVSLOTS_File", "")",
    R"(ACTION: RegKey: "HKEY_CLASSES_ROOT", "SHVSLOTS_File\DefaultIcon")",
    R"(ACTION: RegValue: "HKEY_CLASSES_ROOT\SHVSLOTS_File\DefaultIcon", "")",
    R"(ACTION: RegKey: "HKEY_CLASSES_ROOT", "SHVSLOTS_File\shell")",
    R"(ACTION: RegKey: "HKEY_CLASSES_ROOT\SHVSLOTS_File", "shell\open")",
    R"(ACTION: RegKey: "HKEY_CLASSES_ROOT\SHVSLOTS_File\shell", "open\command")",
    R"(ACTION: RegValue: "HKEY_CLASSES_ROOT\SHVSLOTS_File\shell\open\command", "")",
};

QByteArray expectedEntries(const QString& settingsRoot)
{
    QByteArray all;
    for (const char* line : ExpectedLines)
        all += QString::fromLatin1(line).replace(QStringLiteral("%1"), settingsRoot).toUtf8() + "\r\n";
    return all;
}

// Root may write anywhere, so when the tests run as root the permission
// checks are made with a plain user's real id (the effective id stays).
class PlainUserChecks {
public:
    explicit PlainUserChecks(bool wanted)
    {
#ifdef Q_OS_UNIX
        // Group first: only root may change ids, and root's group would
        // still match folders made by root.
        m_asRoot = wanted && getuid() == 0 && setregid(65534, 0) == 0 && setreuid(65534, 0) == 0;
#else
        Q_UNUSED(wanted)
#endif
    }
    ~PlainUserChecks()
    {
#ifdef Q_OS_UNIX
        if (m_asRoot && (setreuid(0, 0) != 0 || setregid(0, 0) != 0))
            qFatal("cannot return to the root user");
#endif
    }

private:
    bool m_asRoot = false;
};

} // namespace

class TestUninstallLog : public QObject {
    Q_OBJECT
private slots:
    void appendsEntries_data()
    {
        QTest::addColumn<QByteArray>("before"); // null: no log; "<folder>": a folder in its place
        // Who runs the game: the tests' own user, a plain user with or
        // without the right to write the program's folder, or root.
        QTest::addColumn<QString>("player");
        QTest::addColumn<bool>("inHome"); // the program's folder lies in the player's home
        QTest::addColumn<int>("calls");
        QTest::addColumn<QByteArray>("after"); // %entries% stands for the 39 lines
        QTest::addColumn<int>("messages");
        const QString me = QStringLiteral("me"), readOnly = QStringLiteral("plain, read-only"),
                      writable = QStringLiteral("plain, writable"), root = QStringLiteral("root");
        QTest::newRow("empty log") << QByteArray("") << me << true << 1 << QByteArray("%entries%") << 0;
        QTest::newRow("entries after the installer's")
            << QByteArray("File: \"/opt/x/readme.txt\"\r\n") << me << true << 1
            << QByteArray("File: \"/opt/x/readme.txt\"\r\n%entries%") << 0;
        QTest::newRow("last line without its break") << QByteArray("File: a") << me << true << 1
                                                     << QByteArray("File: a\r\n%entries%") << 0;
        QTest::newRow("second call appends again") << QByteArray("") << me << true << 2
                                                   << QByteArray("%entries%%entries%") << 0;
        QTest::newRow("read-only folder, log kept writable") << QByteArray("") << readOnly << true << 1
                                                             << QByteArray("%entries%") << 0;
        QTest::newRow("log cannot be written") << QByteArray("<folder>") << me << true << 1 << QByteArray("<folder>") << 1;
        // A missing log is news only where the installer keeps one: an
        // installation the player made for themselves.
        QTest::newRow("log missing") << QByteArray() << me << true << 1 << QByteArray() << 1;
        QTest::newRow("log missing where a plain user installed outside their home")
            << QByteArray() << writable << false << 1 << QByteArray() << 1;
        QTest::newRow("log missing in a folder the user cannot write")
            << QByteArray() << readOnly << true << 1 << QByteArray() << 0;
        QTest::newRow("log missing in a system-wide installation root may write")
            << QByteArray() << root << false << 1 << QByteArray() << 0;
        QTest::newRow("log missing in root's own home") << QByteArray() << root << true << 1 << QByteArray() << 1;
    }
    void appendsEntries()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, player);
        QFETCH(bool, inHome);
        QFETCH(int, calls);
        QFETCH(QByteArray, after);
        QFETCH(int, messages);
#ifdef Q_OS_UNIX
        if (player == QStringLiteral("root") && getuid() != 0)
            QSKIP("only root can play as root");
#else
        if (player == QStringLiteral("root"))
            QSKIP("no root user here");
#endif
        QTemporaryDir tmp;
        // Open to every user, so that only the program's folder itself differs.
        const auto readAndSearch = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                   QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
        QFile::setPermissions(tmp.path(), QFile::permissions(tmp.path()) | readAndSearch);
        const QString program = tmp.filePath(QStringLiteral("share/strhaven"));
        const QString log = program + QStringLiteral("/st5unst.log");
        QVERIFY(QDir().mkpath(before == "<folder>" ? log : program));
        if (!before.isNull() && before != "<folder>")
            QVERIFY(writeFile(log, before));
        const QString settingsRoot = tmp.filePath(QStringLiteral("my config"));
        const QString elsewhere = tmp.filePath(QStringLiteral("home"));
        QVERIFY(QDir().mkpath(elsewhere));

        FakePrompter prompter;
        if (player == QStringLiteral("plain, read-only"))
            QFile::setPermissions(program, readAndSearch);
        else if (player == QStringLiteral("plain, writable"))
            QFile::setPermissions(program, readAndSearch | QFileDevice::WriteOwner | QFileDevice::WriteGroup |
                                               QFileDevice::WriteOther);
        {
            const ScopedEnvironment home("HOME", (inHome ? tmp.path() : elsewhere).toUtf8());
            const PlainUserChecks plainUser(player.startsWith(QStringLiteral("plain")));
            for (int i = 0; i < calls; ++i)
                WriteUninstallLog(prompter, nullptr, program, settingsRoot + QStringLiteral("/Star Haven Virtual Slots.ini"));
        }
        QFile::setPermissions(program, readAndSearch | QFileDevice::WriteOwner);

        QCOMPARE(prompter.boxes(), QStringList(messages, "Exclamation Ok, Star Haven Virtual Slots: The uninstall "
                                                         "information may be corrupt. If you decide to uninstall Star Haven "
                                                         "Virtual Slots you may need to do it manually. The Readme.txt file "
                                                         "has instructions."));
        if (after.isNull())
            QVERIFY2(!QFileInfo::exists(log), "the log was created");
        else if (after == "<folder>")
            QVERIFY(QFileInfo(log).isDir());
        else
            QCOMPARE(readFile(log), after.replace("%entries%", expectedEntries(QDir::toNativeSeparators(settingsRoot))));
    }

    void settingsRootsComeBackFromTheLog()
    {
        // Two users' first runs, one with a quote in the path, and an
        // installer's own line.
        const QString odd = QStringLiteral(R"(/home/o"neil/.config)");
        QByteArray log = "File: \"/opt/x\"\r\n";
        for (const QString& root : {QStringLiteral("/home/ann/.config"), odd, QStringLiteral("/home/ann/.config")})
            log += uninstallLogLines(root).join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
        QCOMPARE(settingsRootsInLog(log), (QStringList{QStringLiteral("/home/ann/.config"), odd}));
        QVERIFY(logListsAssociation(log));
        QVERIFY(!logListsAssociation("File: \"/opt/x\"\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestUninstallLog)
#include "tst_uninstalllog.moc"
