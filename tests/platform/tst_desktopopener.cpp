#include "DesktopDocumentOpener.h"

#include <QDesktopServices>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace strhaven;

// Stands in for the desktop's handlers, so that no program is started.
class Handler : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

class TestDesktopOpener : public QObject {
    Q_OBJECT
private:
    Handler m_handler;

private slots:
    void initTestCase()
    {
        for (const char* scheme : {"file", "https"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &m_handler, "open");
    }
    void cleanupTestCase()
    {
        for (const char* scheme : {"file", "https"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    void results_data()
    {
        QTest::addColumn<QString>("target"); // @ is the temporary folder
        QTest::addColumn<int>("result");
        QTest::addColumn<QUrl>("handed"); // what the desktop got, if anything
        QTest::newRow("readme") << "@/readme.txt" << 33 << QUrl("file:@/readme.txt");
        QTest::newRow("blanks, #, % and ? in the path")
            << "@/a b#c%20?.html" << 33 << QUrl::fromLocalFile("@/a b#c%20?.html");
        QTest::newRow("missing file") << "@/gone.txt" << 2 << QUrl();
        QTest::newRow("web address") << "https://example.invalid/page" << 33 << QUrl("https://example.invalid/page");
    }
    void results()
    {
        QFETCH(QString, target);
        QFETCH(int, result);
        QFETCH(QUrl, handed);
        QTemporaryDir dir;
        for (const char* name : {"readme.txt", "a b#c%20?.html"}) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        m_handler.opened.clear();
        target.replace('@', dir.path());
        DesktopDocumentOpener opener;
        QCOMPARE(opener.openDocument(nullptr, target), result);
        if (handed.isEmpty()) {
            QVERIFY(m_handler.opened.isEmpty());
        } else {
            const QUrl expected = handed.isLocalFile() ? QUrl::fromLocalFile(handed.toLocalFile().replace('@', dir.path()))
                                                       : handed;
            QCOMPARE(m_handler.opened, QList<QUrl>{expected});
        }
    }
};

QTEST_MAIN(TestDesktopOpener)
#include "tst_desktopopener.moc"
