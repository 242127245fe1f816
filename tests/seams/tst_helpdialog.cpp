#include "FakeHelpViewer.h"
#include "HelpDialog.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

using namespace strhaven;

class TestHelpDialog : public QObject {
    Q_OBJECT
private slots:
    // F1 wherever the focus is opens the topic for the main window; every
    // way of closing closes the viewer, once.
    void helpAndClose_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("asked");
        QTest::newRow("F1 on the dialog, OK") << "F1 OK" << "topic 45,close";
        QTest::newRow("F1 on a focused box, Esc") << "F1box Esc" << "topic 45,close";
        QTest::newRow("Help button, close box") << "Help closebox" << "topic 45,close";
        QTest::newRow("other keys do nothing") << "F2 OK" << "close";
        QTest::newRow("Esc, never opened") << "Esc" << "close";
    }
    void helpAndClose()
    {
        QFETCH(QString, steps);
        QFETCH(QString, asked);
        QWidget mainWindow;
        FakeHelpViewer help;
        HelpDialog dialog(help, 45, &mainWindow);
        auto* box = new QCheckBox("box", &dialog);
        auto* ok = new QPushButton("OK", &dialog);
        QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        auto* helpButton = new QPushButton("Help", &dialog);
        QObject::connect(helpButton, &QPushButton::clicked, &dialog, &HelpDialog::showHelpTopic);
        dialog.show();
        for (const QString& step : steps.split(' ')) {
            if (step == "F1" || step == "F2")
                QTest::keyRelease(&dialog, step == "F1" ? Qt::Key_F1 : Qt::Key_F2);
            else if (step == "F1box")
                QTest::keyRelease(box, Qt::Key_F1);
            else if (step == "Esc")
                QTest::keyClick(box, Qt::Key_Escape);
            else if (step == "closebox")
                dialog.close();
            else
                (step == "OK" ? ok : helpButton)->click();
        }
        QVERIFY(!dialog.isVisible());
        QCOMPARE(help.asked(), asked);
        for (const auto& call : help.calls)
            QVERIFY(call.kind == FakeHelpViewer::Kind::Close || call.owner == &mainWindow);
    }
};

QTEST_MAIN(TestHelpDialog)
#include "tst_helpdialog.moc"
