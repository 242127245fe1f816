#include "Art.h"
#include "frmShortCuts.h"

#include <QPushButton>
#include <QTest>

using namespace strhaven;

class TestShortCuts : public QObject {
    Q_OBJECT
private slots:
    void layout()
    {
        frmShortCuts dialog(nullptr);
        QCOMPARE(dialog.windowTitle(), QString("Shortcut Keys"));
        const QWidget* chart = dialog.findChild<QWidget*>("Picture1");
        QCOMPARE(chart->geometry(), QRect(QPoint(0, 0), art::ShortcutChartSize));
        const auto* ok = dialog.findChild<QPushButton*>("btnOK");
        QCOMPARE(ok->size(), QSize(73, 25));
        // Centred to the pixel, under the chart, inside the window.
        QVERIFY(std::abs(ok->geometry().center().x() * 2 + 1 - dialog.width()) <= 1);
        QVERIFY(ok->y() >= chart->height() + 6);
        QVERIFY(ok->geometry().bottom() < dialog.height() - 4);
        QCOMPARE(dialog.width(), chart->width());
        QVERIFY(ok->isDefault());
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    }

    void enterAndEscClose_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void enterAndEscClose()
    {
        QFETCH(int, key);
        frmShortCuts dialog(nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(&dialog, Qt::Key(key));
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(TestShortCuts)
#include "tst_shortcuts.moc"
