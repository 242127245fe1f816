#include "ErrorReport.h"
#include "FakeHelpViewer.h"
#include "FakePrompter.h"
#include "HelpViewer.h"

#include <QWidget>
#include <QtTest>

using namespace strhaven;
using Kind = FakeHelpViewer::Kind;

class ShowHelpTest : public QObject {
    Q_OBJECT

private slots:
    void commands_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("asked"); // what the viewer was asked to do
        QTest::newRow("topic 20") << 1 << 20 << "topic 20";
        QTest::newRow("topic the book lacks") << 1 << 77 << "topic 77";
        QTest::newRow("close") << 2 << 0 << "close";
        QTest::newRow("close ignores the number") << 2 << 40 << "close";
        QTest::newRow("contents") << 3 << 0 << "contents";
        QTest::newRow("command 0") << 0 << 20 << "";
        QTest::newRow("command 4") << 4 << 20 << "";
    }

    void commands()
    {
        QFETCH(int, command);
        QFETCH(int, number);
        QFETCH(QString, asked);
        QWidget owner;
        FakeHelpViewer viewer;
        ShowHelp(viewer, &owner, command, number);
        QStringList calls;
        for (const auto& c : viewer.calls) {
            QVERIFY(c.kind == Kind::Close || c.owner == &owner);
            calls << (c.kind == Kind::Topic ? QString("topic %1").arg(c.topic) : c.kind == Kind::Close ? "close" : "contents");
        }
        QCOMPARE(calls.join(','), asked);
    }

    // The one error report: "n: text", an exclamation, one OK, the title.
    void showError_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("file not found") << 53 << "53: File not found";
        QTest::newRow("permission denied") << 70 << "70: Permission denied";
        QTest::newRow("path not found") << 76 << "76: Path not found";
        QTest::newRow("a number without a text of its own")
            << 1234 << "1234: Application-defined or object-defined error";
    }
    void showError()
    {
        QFETCH(int, number);
        QFETCH(QString, text);
        FakePrompter prompter;
        ShowError(prompter, nullptr, RunError(number), "Error opening game.");
        QCOMPARE(prompter.messages.size(), 1);
        const auto& m = prompter.messages[0];
        QCOMPARE(m.text, text);
        QCOMPARE(m.title, QString("Error opening game."));
        QCOMPARE(m.icon, Prompter::Icon::Exclamation);
        QCOMPARE(m.buttons, Prompter::Buttons::Ok);
    }
};

QTEST_MAIN(ShowHelpTest)
#include "tst_showhelp.moc"
