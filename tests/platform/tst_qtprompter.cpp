#include "QtPrompter.h"
#include "WaitCursor.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace strhaven;

namespace {

// Acts on the modal window of type W as soon as it is up.
template <class W>
void whenShown(std::function<void(W*)> act)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (auto* w = qobject_cast<W*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(w);
        }
    });
    poll->start(10);
}

} // namespace

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
        bool onTop = false;
        QString seen;
        Qt::CursorShape pointer = Qt::BlankCursor;
        whenShown<QMessageBox>([&](QMessageBox* box) {
            pointer = QGuiApplication::overrideCursor()->shape();
            onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint)
                && box->windowModality() == Qt::ApplicationModal;
            seen = box->windowTitle() + '|' + box->text();
            if (press)
                box->button(QMessageBox::StandardButton(press))->click();
            else
                QTest::keyClick(box, Qt::Key_Escape);
        });
        QtPrompter prompter;
        WaitCursor busy; // a box shown in the middle of a long operation
        const auto result = prompter.message(nullptr, ask ? Prompter::Icon::Question : Prompter::Icon::Critical,
                                             ask ? Prompter::Buttons::YesNoCancel : Prompter::Buttons::Ok,
                                             "Title", "Text", systemModal);
        QCOMPARE(int(result), answer);
        QCOMPARE(seen, QStringLiteral("Title|Text"));
        QCOMPARE(onTop, systemModal);
        QCOMPARE(pointer, Qt::ArrowCursor);
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
        QFile(dir.filePath("old.shs")).open(QIODevice::WriteOnly);
        QString title;
        QStringList filters;
        bool confirmsOverwrite = false;
        Qt::CursorShape pointer = Qt::BlankCursor;
        QString refusal;
        whenShown<QFileDialog>([&](QFileDialog* dialog) {
            title = dialog->windowTitle();
            filters = dialog->nameFilters();
            confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
            pointer = QGuiApplication::overrideCursor()->shape();
            if (fileName.contains('/')) {
                // The player presses Save: the dialog must say why it stays.
                whenShown<QMessageBox>([&](QMessageBox* box) {
                    refusal = box->text();
                    box->accept();
                });
                QMetaObject::invokeMethod(dialog, "accept");
                QVERIFY(dialog->isVisible());
            }
            QMetaObject::invokeMethod(dialog, accept ? "accept" : "reject");
        });
        QtPrompter prompter;
        WaitCursor busy;
        const Prompter::FileRequest request{save ? "Save Game" : "Open Game", dir.path(), fileName};
        const auto result = save ? prompter.saveFile(nullptr, request) : prompter.openFile(nullptr, request);
        QCOMPARE(result.has_value(), accept);
        if (accept)
            QCOMPARE(*result, dir.filePath(chosen));
        QCOMPARE(title, request.title);
        QCOMPARE(filters, QStringList({"Game Files (*.shs)", "All Files (*)"}));
        QVERIFY(confirmsOverwrite);
        QCOMPARE(pointer, Qt::ArrowCursor);
        QCOMPARE(refusal.isEmpty(), !fileName.contains('/'));
    }

    // A start folder that is gone opens the home folder, never a file name
    // made of the missing folder's name.
    void missingStartFolderOpensHome()
    {
        QString folder;
        QStringList typed;
        whenShown<QFileDialog>([&](QFileDialog* dialog) {
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
