#include "widgets/DesignLayout.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QTest>

using namespace strhaven;

// A dialog drawn up for a small font: a frame with a check box, a wrapped
// note below it, a button at the bottom right.
class TestDesignLayout : public QObject {
    Q_OBJECT
private slots:
    void fitsTheFont_data()
    {
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("asDrawn");
        QTest::newRow("small font: as drawn") << 8 << true;
        QTest::newRow("large font: scaled") << 20 << false;
    }
    void fitsTheFont()
    {
        QFETCH(int, pixelSize);
        QFETCH(bool, asDrawn);
        QDialog dialog;
        QFont font = dialog.font();
        font.setPixelSize(pixelSize);
        dialog.setFont(font);
        DesignLayout layout(&dialog, {200, 120});
        auto* frame = layout.place(new QGroupBox("Sounds", &dialog), "frame", {10, 10, 180, 40});
        auto* box = layout.place(new QCheckBox("Coin sounds", frame), "box", {10, 16, 100, 17});
        auto* note = layout.place(new QLabel("A note long enough to take two lines.", &dialog), "note", {10, 55, 180, 28});
        note->setWordWrap(true);
        auto* ok = layout.place(new QPushButton("&OK", &dialog), "ok", {117, 90, 73, 25});
        const qreal scale = layout.apply();

        QCOMPARE(scale == 1.0, asDrawn);
        if (asDrawn) {
            QCOMPARE(box->geometry(), QRect(10, 16, 100, 17));
            QCOMPARE(dialog.size(), QSize(200, 120));
        }
        // Every text has its room, every control stays inside its parent,
        // and what touched the right edge still does.
        QVERIFY(box->width() >= box->sizeHint().width());
        QVERIFY(note->height() >= note->heightForWidth(note->width()));
        QVERIFY(ok->width() > ok->fontMetrics().horizontalAdvance("OK"));
        QCOMPARE(ok->geometry().right() + 1 + qRound(10 * scale), dialog.width());
        QVERIFY(frame->geometry().contains(box->geometry().translated(frame->pos())));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    }
};

QTEST_MAIN(TestDesignLayout)
#include "tst_designlayout.moc"
