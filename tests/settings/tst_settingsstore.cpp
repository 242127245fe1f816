#include "seams/ErrorReport.h"
#include "fakes/FullDisk.h"
#include "settings/SettingsStore.h"
#include "fakes/TestFiles.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mount.h>

using namespace strhaven;

namespace {

QString gridText(const ReelGrid& grid)
{
    QString text;
    for (int pos = 0; pos < ReelGrid::Positions; ++pos)
        text += grid.isEmpty(pos) ? QChar('-') : QChar('0' + toIndex(grid.at(pos)));
    return text;
}

// Every stored value in one line, so a whole settings set compares at once.
QString describe(const StoredSettings& s)
{
    const GameOptions& o = s.options;
    return QStringList{QString::number(s.windowTop), QString::number(s.windowLeft),
                       s.payoutsHidden ? "hidden" : "shown", QString::number(o.wheelSpeed),
                       QStringLiteral("%1%2%3%4%5").arg(o.sound).arg(o.wheelSound).arg(o.coinSound).arg(o.jackPotSound).arg(o.loadLastFile),
                       QString::number(o.machine), QString::fromStdString(std::string(toString(o.payout))),
                       QString::number(o.showStats),
                       QStringList{"Exit", "New", "none"}[int(o.cashOut)], s.lastFile,
                       gridText(s.wheel)}
        .join('|');
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    int m_count = 0;
    // A fresh, empty store for each case.
    QString freshStore() { return m_dir.filePath(QStringLiteral("store%1.ini").arg(++m_count)); }

private slots:
    void roundTrip()
    {
        const QString file = freshStore();
        StoredSettings s;
        s.windowTop = pixelsToTwips(-20);
        s.windowLeft = pixelsToTwips(300);
        s.payoutsHidden = true;
        s.options.wheelSpeed = 0;
        s.options.sound = false;
        s.options.loadLastFile = false;
        s.options.machine = 0.2f;
        s.options.payout = PayoutMode::Realistic;
        s.options.showStats = false;
        s.options.cashOut = CashOutAction::NewGame;
        s.lastFile = "/home/x/a, b.shs";
        s.wheel.set(4, Symbol::RedSeven);
        {
            QSettings store(file, QSettings::IniFormat);
            SaveSettings(store, s, false);
        }
        QSettings again(file, QSettings::IniFormat);
        QCOMPARE(describe(LoadSettings(again, 1024)), describe(s));
        QCOMPARE(twipsToPixels(s.windowTop), -20);

        const QByteArray text = readFile(file);
        for (const char* line : {"Machine=0.2\n", "Payouts=True\n", "Sound=0\n", "Payout=Realistic\n", "CashOut=New\n",
                                 "ShowStats=0\n"})
            QVERIFY2(text.contains(line), line);
    }

    // What loads: the defaults where the store holds nothing or a damaged
    // value, the window placed by the screen's width.
    void load_data()
    {
        QTest::addColumn<QString>("stored"); // one value besides the last file; empty: an empty store
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<QString>("expected");
        const QString dflt = "900|1000|shown|5|11111|1|GoodDay|1|Exit|/x/y.shs|123000456";
        QTest::newRow("empty, 640 pixel screen") << "" << 640 << "0|0|shown|5|11111|1|GoodDay|1|Exit||123000456";
        QTest::newRow("empty, wider screen") << "" << 1920 << "900|1000|shown|5|11111|1|GoodDay|1|Exit||123000456";
        QTest::newRow("top as text") << "Window/Top=high" << 1024 << dflt;
        QTest::newRow("left far away") << "Window/Left=1e30" << 1024 << dflt;
        QTest::newRow("payouts neither true nor false") << "Window/Payouts=Maybe" << 1024 << dflt;
        QTest::newRow("wheel speed 11") << "Options/WheelSpeed=11" << 1024 << dflt;
        QTest::newRow("sound 2") << "Options/Sound=2" << 1024 << dflt;
        QTest::newRow("machine 3") << "Options/Machine=3" << 1024 << dflt;
        QTest::newRow("payout lower case") << "Options/Payout=goodday" << 1024 << dflt;
        QTest::newRow("wheel 1 index 7") << "Wheel/1=7" << 1024 << dflt;
        QTest::newRow("wheel 9 as text") << "Wheel/9=x" << 1024 << dflt;
        QTest::newRow("sound number with a comma") << "Options/Sound=0,5" << 1024 << dflt;
        QTest::newRow("stats not a number: off") << "CashOut/ShowStats=yes" << 1024
                                                 << "900|1000|shown|5|11111|1|GoodDay|0|Exit|/x/y.shs|123000456";
        QTest::newRow("stats a number with blanks") << "CashOut/ShowStats= 2 " << 1024 << dflt;
        QTest::newRow("cash out in other letters: neither") << "CashOut/CashOut=new" << 1024
                                                            << "900|1000|shown|5|11111|1|GoodDay|1|none|/x/y.shs|123000456";
        QTest::newRow("cash out empty: neither") << "CashOut/CashOut=" << 1024
                                                 << "900|1000|shown|5|11111|1|GoodDay|1|none|/x/y.shs|123000456";
        // Values that do convert, for contrast.
        QTest::newRow("payouts lower case true") << "Window/Payouts=true" << 1024
                                                 << "900|1000|hidden|5|11111|1|GoodDay|1|Exit|/x/y.shs|123000456";
        QTest::newRow("machine 0.5") << "Options/Machine=0.5" << 1024
                                     << "900|1000|shown|5|11111|0.5|GoodDay|1|Exit|/x/y.shs|123000456";
    }
    void load()
    {
        QFETCH(QString, stored);
        QFETCH(int, screenWidth);
        QFETCH(QString, expected);
        const QString file = freshStore();
        if (!stored.isEmpty())
            QVERIFY(writeFile(file, QStringLiteral("[LastFile]\nName=/x/y.shs\n[%1]\n%2\n")
                                        .arg(stored.section('/', 0, 0), stored.section('/', 1)).toUtf8()));
        QSettings store(file, QSettings::IniFormat);
        QCOMPARE(describe(LoadSettings(store, screenWidth)), expected);
    }

    // Minimized, the window's place is not its own: the stored one stays.
    // A position showing nothing leaves its stored symbol as it was.
    void saveMinimizedKeepsKeys()
    {
        QSettings store(freshStore(), QSettings::IniFormat);
        store.setValue("Window/Top", "100");
        store.setValue("Window/Left", "200");
        store.setValue("Wheel/5", "2");
        StoredSettings s;
        s.windowTop = 150;
        s.windowLeft = 300;
        s.wheel.clear(4);
        s.wheel.set(0, Symbol::SingleBar);
        SaveSettings(store, s, true);
        QCOMPARE(store.value("Window/Top").toString() + '|' + store.value("Window/Left").toString(), QString("100|200"));
        QCOMPARE(store.value("Wheel/5").toString(), QStringLiteral("2"));
        QCOMPARE(store.value("Wheel/1").toString(), QStringLiteral("6"));
        QCOMPARE(store.value("Window/Payouts").toString(), QStringLiteral("False"));
    }

    // A store that cannot be written for want of room says so, and the
    // file keeps what it held.
    void saveToAFullDisk()
    {
        FullDisk disk;
        STRHAVEN_NEED_FULL_DISK(disk);
        const QString path = disk.filePath("full.ini");
        QVERIFY(writeFile(path, "[Options]\nWheelSpeed=3\n"));
        disk.fill();
        QSettings store(path, QSettings::IniFormat);
        StoredSettings s;
        s.lastFile = QString(2000, 'x');
        int failure = 0;
        try {
            SaveSettings(store, s, false);
        } catch (const RunError& e) {
            failure = e.number();
        }
        QCOMPARE(failure, int(ErrorNumber::PermissionDenied));
        QCOMPARE(readFile(path), QByteArray("[Options]\nWheelSpeed=3\n"));
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

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
