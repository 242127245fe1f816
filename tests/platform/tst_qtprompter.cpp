#include "fakes/ModalWatch.h"
#include "platform/QtPrompter.h"
#include "fakes/TestFiles.h"
#include "widgets/OverrideCursor.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace strhaven;

class TestQtPrompter : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

    void message_data()
    {
        QTest::addColumn<bool>("ask");
        QTest::addColumn<int>("press"); // a QMessageBox::StandardButton, or 0 for Escape
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("systemModal");
        QTest::newRow("ok, system-modal") << false << int(QMessageBox::Ok) << int(Prompter::Answer::Ok) << true;
        QTest::newRow("escape on ok") << false << 0 << int(Prompter::Answer::Ok) << false;
        QTest::newRow("yes") << true << int(QMessageBox::Yes) << int(Prompter::Answer::Yes) << false;
        QTest::newRow("no") << true << int(QMessageBox::No) << int(Prompter::Answer::No) << false;
        QTest::newRow("cancel") << true << int(QMessageBox::Cancel) << int(Prompter::Answer::Cancel) << false;
        QTest::newRow("escape on a question") << true << 0 << int(Prompter::Answer::Cancel) << false;
    }
    void message()
    {
        QFETCH(bool, ask);
        QFETCH(int, press);
        QFETCH(int, answer);
        QFETCH(bool, systemModal);
        QString seen; // title | text | on top of every window | pointer
        whenShown<QMessageBox>(this, [&](QMessageBox* box) {
            seen = QStringLiteral("%1|%2|%3|%4").arg(box->windowTitle(), box->text())
                       .arg(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint) && box->windowModality() == Qt::ApplicationModal)
                       .arg(QGuiApplication::overrideCursor()->shape());
            if (press)
                box->button(QMessageBox::StandardButton(press))->click();
            else
                QTest::keyClick(box, Qt::Key_Escape);
        });
        QtPrompter prompter;
        OverrideCursor busy(Qt::WaitCursor); // a box shown in the middle of a long operation
        const auto result = prompter.message(nullptr, ask ? Prompter::Icon::Question : Prompter::Icon::Critical,
                                             ask ? Prompter::Buttons::YesNoCancel : Prompter::Buttons::Ok,
                                             "Title", "Text", systemModal);
        QCOMPARE(int(result), answer);
        QCOMPARE(seen, QStringLiteral("Title|Text|%1|%2").arg(systemModal).arg(Qt::ArrowCursor));
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }

    void fileDialog_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("chosen"); // relative to the folder; empty: the player cancels
        QTest::newRow("save adds the extension") << true << "new" << "new.shs";
        QTest::newRow("save keeps an extension") << true << "new.shs" << "new.shs";
        QTest::newRow("open an existing game") << false << "old.shs" << "old.shs";
        QTest::newRow("cancel save") << true << "new" << "";
        QTest::newRow("cancel open") << false << "old.shs" << "";
        QTest::newRow("save into a missing folder is refused") << true << "missing/new.shs" << "";
    }
    void fileDialog()
    {
        QFETCH(bool, save);
        QFETCH(QString, fileName);
        QFETCH(QString, chosen);
        const bool accept = !chosen.isEmpty();
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("old.shs")));
        QString seen; // title | filters | overwriting asked | pointer
        QString refusal;
        whenShown<QFileDialog>(this, [&](QFileDialog* dialog) {
            seen = QStringLiteral("%1|%2|%3|%4").arg(dialog->windowTitle(), dialog->nameFilters().join(';'))
                       .arg(!dialog->testOption(QFileDialog::DontConfirmOverwrite)).arg(QGuiApplication::overrideCursor()->shape());
            if (fileName.contains('/')) {
                // The player presses Save: the dialog must say why it stays.
                whenShown<QMessageBox>(dialog, [&](QMessageBox* box) {
                    refusal = box->text();
                    box->accept();
                });
                QMetaObject::invokeMethod(dialog, "accept");
                QVERIFY(dialog->isVisible());
            }
            QMetaObject::invokeMethod(dialog, accept ? "accept" : "reject");
        });
        QtPrompter prompter;
        OverrideCursor busy(Qt::WaitCursor);
        const Prompter::FileRequest request{save ? "Save Game" : "Open Game", dir.path(), fileName};
        const auto result = save ? prompter.saveFile(nullptr, request) : prompter.openFile(nullptr, request);
        QCOMPARE(result.has_value(), accept);
        if (accept)
            QCOMPARE(*result, dir.filePath(chosen));
        QCOMPARE(seen, QStringLiteral("%1|Game Files (*.shs);All Files (*)|1|%2").arg(request.title).arg(Qt::ArrowCursor));
        QCOMPARE(refusal.isEmpty(), !fileName.contains('/'));
    }

    // A start folder that is gone opens the home folder, never a file name
    // made of the missing folder's name.
    void missingStartFolderOpensHome()
    {
        QString folder;
        QStringList typed;
        whenShown<QFileDialog>(this, [&](QFileDialog* dialog) {
            folder = dialog->directory().absolutePath();
            typed = dialog->selectedFiles();
            dialog->reject();
        });
        QtPrompter prompter;
        prompter.saveFile(nullptr, {"Save Game", "/nonexistent/Documents", QString()});
        QCOMPARE(folder, QDir::homePath());
        QVERIFY(!typed.join(' ').contains("Documents"));
    }
};

QTEST_MAIN(TestQtPrompter)
#include "tst_qtprompter.moc"
