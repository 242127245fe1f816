#include "seams/ErrorReport.h"
#include "fakes/FakePrompter.h"

#include <QtTest>

using namespace strhaven;

class TestErrorReport : public QObject {
    Q_OBJECT

private slots:
    // The one error report: "n: text", an exclamation, one OK, the title.
    void showError_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("file not found") << 53 << "53: File not found";
        QTest::newRow("permission denied") << 70 << "70: Permission denied";
        QTest::newRow("path not found") << 76 << "76: Path not found";
        QTest::newRow("a number without a text of its own") << 1234 << "1234: Application-defined or object-defined error";
    }
    void showError()
    {
        QFETCH(int, number);
        QFETCH(QString, text);
        FakePrompter prompter;
        ShowError(prompter, nullptr, RunError(number), "Error opening game.");
        QCOMPARE(prompter.boxes(), QStringList{"Exclamation Ok, Error opening game.: " + text});
    }
};

QTEST_GUILESS_MAIN(TestErrorReport)
#include "tst_errorreport.moc"
