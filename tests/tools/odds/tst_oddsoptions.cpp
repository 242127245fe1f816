#include "tools/odds/OddsOptions.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include <vector>

using namespace strhaven;

namespace {

std::variant<OddsOptions, ArgumentError> parse(const QStringList& args)
{
    std::vector<std::string> owned;
    for (const QString& a : args)
        owned.push_back(a.toStdString());
    std::vector<std::string_view> views(owned.begin(), owned.end());
    return parseOddsArguments(views);
}

} // namespace

class TestOddsOptions : public QObject {
    Q_OBJECT
private slots:
    void badArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("named");
        QTest::newRow("unknown option") << QStringList{"--fast"} << "--fast";
        QTest::newRow("unknown option with value") << QStringList{"--speed=3"} << "--speed=3";
        QTest::newRow("stray word") << QStringList{"GoodDay"} << "GoodDay";
        QTest::newRow("spins missing") << QStringList{"--simulate"} << "--simulate";
        QTest::newRow("spins missing before option") << QStringList{"--simulate", "--json"} << "--simulate";
        QTest::newRow("spins not a number") << QStringList{"--simulate", "lots"} << "lots";
        QTest::newRow("spins with a tail") << QStringList{"--simulate", "100k"} << "100k";
        QTest::newRow("spins zero") << QStringList{"--simulate", "0"} << "0";
        QTest::newRow("spins negative") << QStringList{"--simulate", "-5"} << "-5";
        QTest::newRow("spins too many") << QStringList{"--simulate=99999999999999999999"} << "99999999999999999999";
        QTest::newRow("spins empty") << QStringList{"--simulate="} << "--simulate";
        QTest::newRow("threads zero") << QStringList{"--simulate", "10", "--threads", "0"} << "0";
        QTest::newRow("threads 65") << QStringList{"--simulate", "10", "--threads=65"} << "65";
        QTest::newRow("threads missing") << QStringList{"--threads"} << "--threads";
        QTest::newRow("seed negative") << QStringList{"--seed", "-1"} << "-1";
        QTest::newRow("seed not a number") << QStringList{"--seed", "0x10"} << "0x10";
        QTest::newRow("mode unknown") << QStringList{"--mode", "goodday"} << "goodday";
        QTest::newRow("mode missing") << QStringList{"--mode"} << "--mode";
        QTest::newRow("flag with value") << QStringList{"--json=yes"} << "--json=yes";
        QTest::newRow("exact and simulate") << QStringList{"--exact", "--simulate", "5"} << "--exact";
        QTest::newRow("simulate and exact") << QStringList{"--simulate=5", "--exact"} << "--simulate";
    }
    void badArguments()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, named);
        const auto result = parse(args);
        const auto* error = std::get_if<ArgumentError>(&result);
        QVERIFY(error);
        QVERIFY2(QString::fromStdString(error->message).contains(named), error->message.c_str());
    }

    void goodArguments()
    {
        const auto defaults = std::get<OddsOptions>(parse({}));
        QVERIFY(!defaults.simulate);
        QCOMPARE(defaults.modes.size(), std::size_t{3});

        const auto o = std::get<OddsOptions>(
            parse({"--simulate", "1000", "--seed=18446744073709551615", "--threads", "64", "--mode", "Fantasy",
                   "--mode=Realistic", "--mode", "Fantasy", "--json"}));
        QVERIFY(o.simulate);
        QCOMPARE(o.spins, std::uint64_t{1000});
        QCOMPARE(o.seed, std::uint64_t{18446744073709551615ULL});
        QCOMPARE(o.threads, 64);
        QVERIFY(o.json);
        QCOMPARE(o.modes, (std::vector{PayoutMode::Fantasy, PayoutMode::Realistic}));
    }

    // The program itself: a bad argument is exit status 2 with the argument
    // named on stderr and nothing on stdout; the JSON lines carry the keys
    // scripts read, which must not drift.
    void program_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("stderrNames");
        QTest::addColumn<int>("jsonLines");
        QTest::newRow("bad mode") << QStringList{"--mode", "Jackpot"} << 2 << "Jackpot" << 0;
        QTest::newRow("threads") << QStringList{"--simulate", "9", "--threads", "100"} << 2 << "100" << 0;
        QTest::newRow("help") << QStringList{"--help"} << 0 << "" << 0;
        QTest::newRow("exact json") << QStringList{"--json"} << 0 << "" << 3;
        QTest::newRow("simulated json") << QStringList{"--json", "--simulate", "500", "--mode", "Realistic"} << 0 << "" << 1;
    }
    void program()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, stderrNames);
        QFETCH(int, jsonLines);
        QProcess p;
        p.start(STRHAVEN_ODDS_PROGRAM, args);
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), status);
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        const QByteArray out = p.readAllStandardOutput();
        QVERIFY2(status ? err.contains(stderrNames) && out.isEmpty() : err.isEmpty() && !out.isEmpty(), qPrintable(err));
        const bool simulated = args.contains("--simulate");
        QStringList keys{"mode", "method", "spins", "return_bet1", "return_bet3", "hit_rate", "sd_bet1",
                         "blank_share", "three_emblem_one_in", "pay_codes"};
        if (simulated)
            keys << "spins_per_second" << "return_bet1_ci95";
        keys.sort();
        const QList<QByteArray> lines = jsonLines ? out.trimmed().split('\n') : QList<QByteArray>();
        QCOMPARE(lines.size(), jsonLines);
        for (const QByteArray& line : lines) {
            QJsonParseError error;
            const QJsonObject o = QJsonDocument::fromJson(line, &error).object();
            QCOMPARE(error.error, QJsonParseError::NoError);
            QStringList got = o.keys();
            got.sort();
            QCOMPARE(got, keys);
            QCOMPARE(o["method"].toString(), simulated ? "simulated" : "exact");
        }
    }
};

QTEST_GUILESS_MAIN(TestOddsOptions)
#include "tst_oddsoptions.moc"
