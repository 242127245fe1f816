#include "seams/ErrorReport.h"
#include "fakes/FakePrompter.h"
#include "fakes/FullDisk.h"
#include "files/GameFile.h"
#include "files/KeptGame.h"
#include "seams/LocalFiles.h"
#include "fakes/TestFiles.h"

#include <QBuffer>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace strhaven;

namespace {

// A valid game as the writer puts it down, one entry a line.
QStringList validLines()
{
    return {"5", "1", "1", "1", "1", "1", "GoodDay", "12", "100", "24", "30", "106", "15", "3",
            "1", "2", "3", "0", "0", "0", "4", "5", "6"};
}

QByteArray joined(const QStringList& lines, const QString& ending = "\r\n")
{
    return lines.isEmpty() ? QByteArray() : (lines.join(ending) + ending).toUtf8();
}

// Sets the default locale for one test and puts the old one back.
struct LocaleScope {
    QLocale old;
    explicit LocaleScope(const QString& name)
    {
        if (!name.isEmpty())
            QLocale::setDefault(QLocale(name));
    }
    ~LocaleScope() { QLocale::setDefault(old); }
};

} // namespace

class TestGameFile : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<float>("machine");
        QTest::addColumn<QString>("machineLine");
        QTest::addColumn<QString>("won");
        QTest::addColumn<bool>("emptyPosition");
        QTest::newRow("Five Dollars") << 0.2f << "0.2" << "7000" << false;
        QTest::newRow("Two Dollars") << 0.5f << "0.5" << " 12" << false;
        QTest::newRow("Nickel, a position showing nothing") << 20.0f << "20" << "0" << true;
    }
    void roundTrip()
    {
        QFETCH(float, machine);
        QFETCH(QString, machineLine);
        QFETCH(QString, won);
        QFETCH(bool, emptyPosition);
        LocaleScope commaLocale("de_DE"); // the point is written whatever the user's locale

        GameOptions options;
        options.wheelSpeed = 7;
        options.coinSound = false;
        options.machine = machine;
        options.payout = PayoutMode::Fantasy;
        SlotGame game;
        game.credits = 100000;
        game.spins = 42;
        game.wonShown = won.toStdString();
        game.playedShown = std::string(1, '3'); // not a literal: g++ 12 warns of its copy (bug 105329)
        game.grid.set(4, Symbol::RedSeven);
        if (emptyPosition)
            game.grid.clear(8);

        const QString first = path("first.shs");
        writeGameFile(first, gameFileContent(options, game));
        QVERIFY(ValidateGameFile(first));
        const QList<QByteArray> lines = readFile(first).split('\n');
        QCOMPARE(lines.size(), GameFileLines + 1);
        QCOMPARE(lines[5] + lines[12] + lines[22], (machineLine + '\r' + won + '\r' + (emptyPosition ? "0" : "6") + '\r').toUtf8());

        const GameFileContent back = readGameFile(first);
        const QString second = path("second.shs");
        writeGameFile(second, back);
        QCOMPARE(readFile(second), readFile(first));
    }

    void invalidFile_data()
    {
        QTest::addColumn<int>("line"); // 1-based; 0 changes nothing
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("keep"); // lines written
        QTest::addColumn<int>("error");
        const int bad = ErrorNumber::TypeMismatch;
        QTest::newRow("wheel speed 11") << 1 << "11" << 23 << bad;
        QTest::newRow("wheel speed 10.5") << 1 << "10.5" << 23 << bad;
        QTest::newRow("sound -1") << 2 << "-1" << 23 << bad;
        QTest::newRow("machine 3") << 6 << "3" << 23 << bad;
        QTest::newRow("machine 0.25") << 6 << "0.25" << 23 << bad;
        QTest::newRow("machine close to 0.2") << 6 << "0.2000001" << 23 << bad;
        QTest::newRow("mode lower case") << 7 << "goodday" << 23 << bad;
        QTest::newRow("mode with trailing blank") << 7 << "GoodDay " << 23 << bad;
        QTest::newRow("spins over the cap") << 8 << "100001" << 23 << bad;
        QTest::newRow("credits below 0") << 12 << "-1" << 23 << bad;
        QTest::newRow("won over 7000") << 13 << "7001" << 23 << bad;
        QTest::newRow("played 4") << 14 << "4" << 23 << bad;
        QTest::newRow("first symbol -1") << 15 << "-1" << 23 << bad;
        QTest::newRow("last symbol 7") << 23 << "7" << 23 << bad;
        QTest::newRow("text for a number") << 9 << "ten" << 23 << bad;
        QTest::newRow("empty line") << 3 << "" << 23 << bad;
        QTest::newRow("a NUL byte") << 9 << QString("10") + QChar(0) << 23 << bad;
        QTest::newRow("22 lines") << 0 << "" << 22 << int(ErrorNumber::InputPastEnd);
        QTest::newRow("empty file") << 0 << "" << 0 << int(ErrorNumber::InputPastEnd);
        QTest::newRow("no file") << 0 << "" << -1 << int(ErrorNumber::FileNotFound);
    }
    void invalidFile()
    {
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(int, keep);
        QFETCH(int, error);
        const QString file = path(QStringLiteral("invalid-%1.shs").arg(QTest::currentDataTag()));
        QStringList lines = validLines();
        if (line > 0)
            lines[line - 1] = text;
        if (keep >= 0)
            QVERIFY(writeFile(file, joined(lines.mid(0, keep))));
        QVERIFY(!ValidateGameFile(file));
        // The failure is reported by number and the game in force is kept.
        FakePrompter prompter;
        GameFileContent content;
        content.game.credits = 77;
        QVERIFY(!TransferGameFile(file, Transfer::Read, content, prompter));
        QCOMPARE(content.game.credits, 77);
        QCOMPARE(prompter.boxes().size(), 1);
        QVERIFY(prompter.boxes()[0].startsWith(QStringLiteral("Exclamation Ok, Error reading file.: %1:").arg(error)));
    }

    void validOddity_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ending");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        const QString crlf = "\r\n";
        QTest::newRow("24th line") << 24 << "anything at all" << crlf << "" << "WheelSpeed" << "5";
        QTest::newRow("a first line of 300 blanks and a number")
            << 1 << QString(300, ' ') + "7" << crlf << "" << "WheelSpeed" << "7";
        QTest::newRow("a win shown after 5000 blanks") << 13 << QString(5000, ' ') + "12" << crlf << ""
                                                       << "Won" << QString(5000, ' ') + "12";
        QTest::newRow("LF only") << 0 << "" << "\n" << "" << "Payout" << "GoodDay";
        QTest::newRow("7.5 reads as 8") << 1 << "7.5" << crlf << "" << "WheelSpeed" << "8";
        QTest::newRow("2.5 reads as 2") << 1 << "2.5" << crlf << "" << "WheelSpeed" << "2";
        QTest::newRow("machine 0.5") << 6 << "0.5" << crlf << "" << "Machine" << "0.5";
        QTest::newRow("machine 0,5 with a comma locale") << 6 << "0,5" << crlf << "de_DE" << "Machine" << "0.5";
        QTest::newRow("machine 0.5 with a comma locale") << 6 << "0.5" << crlf << "de_DE" << "Machine" << "0.5";
        QTest::newRow("won kept as written") << 13 << " 12.0" << crlf << "" << "Won" << " 12.0";
        QTest::newRow("symbol 5.5 reads as 6") << 15 << "5.5" << crlf << "" << "Symbol1" << "6";
    }
    void validOddity()
    {
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(QString, ending);
        QFETCH(QString, locale);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        LocaleScope scope(locale);
        QStringList lines = validLines();
        if (line == 24)
            lines << text;
        else if (line > 0)
            lines[line - 1] = text;
        const QString file = path(QStringLiteral("odd-%1.shs").arg(QTest::currentDataTag()));
        QVERIFY(writeFile(file, joined(lines, ending)));
        QVERIFY(ValidateGameFile(file));
        const GameFileContent c = readGameFile(file);
        const QMap<QString, QString> fields{
            {"WheelSpeed", QString::number(c.options.wheelSpeed)},
            {"Machine", QString::number(c.options.machine)},
            {"Payout", QString::fromStdString(std::string(toString(c.options.payout)))},
            {"Won", QString::fromStdString(c.game.wonShown)},
            {"Symbol1", QString::number(toIndex(c.game.grid.at(0)))},
        };
        QCOMPARE(fields.value(field), expected);
    }

    void failedWrite_data()
    {
        QTest::addColumn<int>("error");
        QTest::newRow("missing folder") << int(ErrorNumber::PathNotFound);
        QTest::newRow("target is a folder") << int(ErrorNumber::PathFileAccess);
        QTest::newRow("read-only target") << int(ErrorNumber::PermissionDenied);
        QTest::newRow("full disk") << int(ErrorNumber::DiskFull);
    }
    void failedWrite()
    {
        QFETCH(int, error);
        const QString setup = QTest::currentDataTag();
        FullDisk disk;
        if (setup == "full disk")
            STRHAVEN_NEED_FULL_DISK(disk);
        const QString old = setup == "full disk" ? disk.filePath("old.shs") : path("old.shs");
        QVERIFY(writeFile(old, joined(validLines())));
        const QByteArray oldBytes = readFile(old);
        QString target;
        if (setup == "missing folder")
            target = path("nowhere/game.shs");
        else if (setup == "target is a folder")
            target = m_dir.path();
        else if (setup == "full disk") {
            target = old;
            disk.fill();
        } else {
            target = old;
            QVERIFY(QFile::setPermissions(old, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        }

        FakePrompter prompter;
        GameFileContent content;
        content.game.credits = 5;
        QVERIFY(!TransferGameFile(target, Transfer::Write, content, prompter));
        QCOMPARE(prompter.boxes().size(), 1);
        QVERIFY2(prompter.boxes()[0].startsWith(QStringLiteral("Exclamation Ok, Error writing file.: %1:").arg(error)),
                 qPrintable(prompter.boxes()[0]));
        QCOMPARE(readFile(old), oldBytes);
        QFile::setPermissions(old, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QFile::remove(old);
    }

    // A game named with bytes that are no UTF-8 is saved and opened under
    // exactly that name.
    void nameThatIsNotUtf8()
    {
        const QString file = pathFromNative(QFile::encodeName(path("caf")) + "\xe9.shs");
        GameFileContent content;
        content.game.credits = 510;
        writeGameFile(file, content);
        GameFileContent back;
        QVERIFY(ValidateGameFile(file, &back));
        QCOMPARE(back.game.credits, 510);
        QVERIFY(::access((QFile::encodeName(path("caf")) + "\xe9.shs").constData(), F_OK) == 0);
    }

    // The kept game names its game's file by the name's bytes, whatever
    // they are: a line feed or carriage return in it, a final one, percent
    // signs, bytes that are no UTF-8. They come back as they went.
    void keptGameNames_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("line"); // the 24th line as written
        QTest::newRow("untitled") << QByteArray() << QByteArray("\r\n");
        QTest::newRow("plain") << QByteArray("/home/x/my_game.shs") << QByteArray("/home/x/my_game.shs\r\n");
        QTest::newRow("a blank") << QByteArray("/home/x/my game.shs") << QByteArray("/home/x/my%20game.shs\r\n");
        QTest::newRow("a line feed") << QByteArray("/tmp/notes\n.shs") << QByteArray("/tmp/notes%0A.shs\r\n");
        QTest::newRow("a final carriage return") << QByteArray("/tmp/notes\r") << QByteArray("/tmp/notes%0D\r\n");
        QTest::newRow("a percent sign") << QByteArray("/tmp/100%25") << QByteArray("/tmp/100%2525\r\n");
        QTest::newRow("not UTF-8") << QByteArray("/tmp/caf\xe9") << QByteArray("/tmp/caf%E9\r\n");
    }
    void keptGameNames()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, line);
        KeptGame game;
        game.file = pathFromNative(name);
        game.content.game.credits = 510;
        QByteArray bytes = keptGameBytes(game);
        QCOMPARE(bytes.mid(gameFileBytes(game.content).size()), line);
        QBuffer in(&bytes);
        QVERIFY(in.open(QIODevice::ReadOnly));
        const FoundKeptGame found = parseKeptGame(in);
        QVERIFY(found.state == FoundKeptGame::State::Found);
        QCOMPARE(nativePath(found.game.file), name);
        QCOMPARE(found.game.content.game.credits, 510);
    }
};

QTEST_GUILESS_MAIN(TestGameFile)
#include "tst_gamefile.moc"
