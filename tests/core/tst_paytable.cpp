#include "core/PayTable.h"

#include <QTest>

#include <map>

using namespace strhaven;

namespace {

// The non-zero pays as the pay table is printed, code by code.
const std::map<int, std::vector<int>> ListedPays{
    {1500, {111}},
    {500, {667}},
    {200, {112, 121, 122, 211, 212, 221, 222}},
    {100, {115, 151, 155, 511, 515, 551, 555}},
    {60, {125, 152, 215, 225, 251, 252, 255, 512, 521, 522, 525, 552}},
    {30, {113, 131, 133, 311, 313, 331, 333}},
    {20, {114, 141, 144, 411, 414, 441, 444}},
    {10, {116, 161, 166, 611, 616, 661, 666}},
    {5, {11,  101, 110, 134, 136, 143, 146, 163, 164, 314, 316, 334, 336, 341, 343,
         344, 346, 361, 363, 364, 366, 413, 416, 431, 433, 434, 436, 443, 446, 461,
         463, 464, 466, 613, 614, 631, 633, 634, 636, 641, 643, 644, 646, 663, 664}},
    {2, {1,   10,  12,  13,  14,  15,  16,  21,  31,  41,  51,  61,  100, 102, 103, 104, 105, 106,
         120, 123, 124, 126, 130, 132, 135, 140, 142, 145, 150, 153, 154, 156, 160, 162, 165, 201,
         210, 213, 214, 216, 231, 241, 261, 301, 310, 312, 315, 321, 351, 401, 410, 412, 415, 421,
         451, 501, 510, 513, 514, 516, 531, 541, 561, 601, 610, 612, 615, 621, 651}},
};

const char* const CombinationNames[CombinationCount] = {
    "none",           "3 emblems",      "emblem on every wheel", "3 red sevens",  "3 white sevens", "any 3 sevens",
    "3 triple bars",  "3 double bars",  "3 single bars",         "any 3 bars",    "2 emblems",      "1 emblem"};

} // namespace

class TestPayTable : public QObject {
    Q_OBJECT
private slots:
    void everyEntryMatchesThePrintedTable()
    {
        const PayTable table = BuildPayTable();
        std::map<int, int> expected;
        for (const auto& [pay, codes] : ListedPays)
            for (int code : codes)
                QVERIFY2(expected.emplace(code, pay).second, "code listed twice");
        for (int code = 0; code < PayTableSize; ++code) {
            QVERIFY2(table[code] == (expected.count(code) ? expected[code] : 0), qPrintable(QString::number(code)));
            // The combination a code is paid for pays what the code pays.
            QCOMPARE(table.pay(table.combination(code)), int(table[code]));
            QCOMPARE(table.combination(code) == Combination::None, table[code] == 0);
        }
    }

    void evaluation_data()
    {
        QTest::addColumn<QList<int>>("cells"); // the nine positions row by row, -1 = shows nothing
        QTest::addColumn<int>("bet");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("win");
        QTest::addColumn<QString>("combination");
        // 0 Blank, 1 Emblem, 2 RedSeven, 3 TripleBar, 4 DoubleBar, 5 WhiteSeven, 6 SingleBar
        QTest::newRow("three emblems, 3 credits pay 5000") << QList<int>{0, 0, 0, 1, 1, 1, 0, 0, 0} << 3 << 111 << 5000 << "3 emblems";
        QTest::newRow("three emblems, 1 credit") << QList<int>{0, 0, 0, 1, 1, 1, 0, 0, 0} << 1 << 111 << 1500 << "3 emblems";
        QTest::newRow("anywhere before substitution")
            << QList<int>{1, 0, 0, 0, 1, 0, 0, 0, 1} << 1 << 667 << 500 << "emblem on every wheel";
        QTest::newRow("anywhere, 3 credits is not a jackpot")
            << QList<int>{1, 0, 1, 0, 0, 0, 0, 1, 0} << 3 << 667 << 1500 << "emblem on every wheel";
        QTest::newRow("emblem below wheel 3 completes red sevens")
            << QList<int>{0, 0, 0, 2, 2, 0, 0, 0, 1} << 1 << 221 << 200 << "3 red sevens";
        QTest::newRow("emblem above wheel 1 only") << QList<int>{1, 0, 0, 0, 0, 0, 0, 0, 0} << 1 << 100 << 2 << "1 emblem";
        QTest::newRow("emblem in top and bottom rows of two wheels")
            << QList<int>{1, 0, 0, 3, 4, 6, 0, 1, 0} << 2 << 116 << 20 << "3 single bars";
        QTest::newRow("mixed sevens with an emblem") << QList<int>{0, 0, 0, 2, 5, 1, 0, 0, 0} << 1 << 251 << 60 << "any 3 sevens";
        QTest::newRow("mixed bars") << QList<int>{0, 0, 0, 3, 4, 6, 0, 0, 0} << 3 << 346 << 15 << "any 3 bars";
        QTest::newRow("bars and a seven pay nothing") << QList<int>{0, 0, 0, 3, 4, 5, 0, 0, 0} << 3 << 345 << 0 << "none";
        QTest::newRow("blank pay line") << QList<int>{2, 3, 4, 0, 0, 0, 5, 6, 2} << 3 << 0 << 0 << "none";
        QTest::newRow("empty positions count as blank")
            << QList<int>{-1, -1, -1, -1, 1, -1, -1, -1, -1} << 2 << 10 << 4 << "1 emblem";
        QTest::newRow("an empty wheel gives no anywhere")
            << QList<int>{1, -1, 0, 0, -1, 1, 0, -1, 0} << 1 << 101 << 5 << "2 emblems";
    }

    void evaluation()
    {
        QFETCH(QList<int>, cells);
        QFETCH(int, bet);
        QFETCH(int, code);
        QFETCH(int, win);
        QFETCH(QString, combination);
        ReelGrid grid; // starts with every position empty
        for (int i = 0; i < 9; ++i)
            if (cells[i] >= 0)
                grid.set(i, symbolFromIndex(cells[i]));
        const Evaluation e = evaluate(grid, BuildPayTable(), bet);
        QCOMPARE(e.code, code);
        QCOMPARE(e.win, win);
        QCOMPARE(CombinationNames[int(e.combination)], combination);
    }
};

QTEST_APPLESS_MAIN(TestPayTable)
#include "tst_paytable.moc"
