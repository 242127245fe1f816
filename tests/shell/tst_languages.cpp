#include "fakes/DialogSteps.h"
#include "fakes/EveryDialog.h"
#include "fakes/ModalWatch.h"
#include "fakes/TestFiles.h"
#include "fakes/WindowRig.h"
#include "i18n/Translations.h"

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTranslator>

#include <memory>

using namespace strhaven;

namespace {

// A language whose every text is half as long again as the English one,
// for the dialogs of a translation yet to come.
class Longer final : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        const QString text = QString::fromUtf8(source);
        return text + QString(text.size() / 2, u'W');
    }
    bool isEmpty() const override { return false; }
};

std::unique_ptr<QTranslator> translatorFor(const QString& language)
{
    return language == "longer" ? std::make_unique<Longer>() : programTranslator(language);
}

// The program's and Qt's translators for a language while it lives; none
// for English.
class Speaking {
public:
    explicit Speaking(const QString& language)
        : m_program(translatorFor(language))
        , m_qt(qtTranslator(language))
    {
        for (QTranslator* t : {m_program.get(), m_qt.get()})
            if (t)
                QCoreApplication::installTranslator(t);
    }
    ~Speaking()
    {
        for (QTranslator* t : {m_program.get(), m_qt.get()})
            if (t)
                QCoreApplication::removeTranslator(t);
    }
    bool speaks() const { return m_program != nullptr; }

private:
    std::unique_ptr<QTranslator> m_program;
    std::unique_ptr<QTranslator> m_qt;
};

// The Game menu's items in order, without separators, whatever their
// captions in the language spoken.
QAction* gameItem(WindowRig& rig, int index)
{
    QList<QAction*> items;
    for (QAction* a : rig.window->gameMenu()->actions())
        if (!a->isSeparator())
            items << a;
    return items.value(index);
}
enum GameItem { OptionsItem = 5, CashOutItem = 6 };

QString stored(const WindowRig& rig, const QStringList& keys)
{
    QStringList values;
    for (const QString& key : keys)
        values << key + '=' + rig.store()->value(key).toString();
    return values.join(' ');
}
const QStringList LanguageFreeKeys = {"Options/Machine", "Options/Payout", "Options/WheelSpeed", "Options/CoinSound",
                                      "CashOut/CashOut", "CashOut/ShowStats"};

// Every caption of a shown dialog that its control cannot show whole, or
// a control reaching out of its dialog, as "name: text".
QStringList cutCaptions(QDialog& dialog)
{
    QStringList cut;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        const QFontMetrics fm = w->fontMetrics();
        const QRect inDialog(w->mapTo(&dialog, QPoint()), w->size());
        QString text;
        QSize need;
        if (auto* push = qobject_cast<QPushButton*>(w)) {
            text = push->text();
            need = {fm.horizontalAdvance(QString(text).remove('&')) + 8, fm.height()};
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            text = button->text();
            need = {button->sizeHint().width(), fm.height()};
        } else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
            text = frame->title();
            need = {fm.horizontalAdvance(QString(text).remove('&')) + 8, fm.height()};
        } else if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
            text = label->text();
            // As the label draws it: inside its frame, and a framed label
            // keeps half an x clear at its aligned edge.
            const int indent =
                label->indent() >= 0 ? label->indent() : label->frameWidth() > 0 ? fm.horizontalAdvance('x') / 2 : 0;
            const int edges = 2 * (label->frameWidth() + label->margin());
            need = label->wordWrap() ? QSize(0, label->heightForWidth(w->width()))
                                     : fm.boundingRect(QRect(), 0, text).size() + QSize(edges + indent, 0);
        } else {
            continue;
        }
        if (need.width() > w->width() || need.height() > w->height() || !dialog.rect().contains(inDialog))
            cut << QStringLiteral("%1: %2 (needs %3x%4, has %5x%6)")
                       .arg(w->objectName(), text)
                       .arg(need.width()).arg(need.height()).arg(w->width()).arg(w->height());
    }
    return cut;
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT
private slots:
    // The game file and the settings hold no word of the language they were
    // written in: a game saved by the German program opens in the English
    // one as it was saved, and the other way round, and each program saves
    // it again byte for byte.
    void savedGamesCrossLanguages_data()
    {
        QTest::addColumn<QString>("savedIn");
        QTest::addColumn<QString>("openedIn");
        QTest::newRow("German to English") << "de" << "en";
        QTest::newRow("English to German") << "en" << "de";
    }
    void savedGamesCrossLanguages()
    {
        QFETCH(QString, savedIn);
        QFETCH(QString, openedIn);
        WindowRig saver;
        QString path = saver.dir.filePath("crossing.shs");
        QByteArray settings;
        {
            Speaking language(savedIn);
            QVERIFY(language.speaks() == (savedIn != "en"));
            saver.start();
            // Chosen through the dialogs, whose captions are translated.
            whenShown<QDialog>(saver.window.get(), [](QDialog* d) { playSteps(*d, "optFiveDollars optFantasy OK"); });
            gameItem(saver, OptionsItem)->trigger();
            whenShown<QDialog>(saver.window.get(), [](QDialog* d) { playSteps(*d, "optNewGame chkShowStats OK"); });
            gameItem(saver, CashOutItem)->trigger();
            saver.click(saver.face().billSlot(20));
            QCOMPARE(saver.game().credits, 4);
            saver.prompter.saveResults << path;
            saver.window->gameMenuCommands().saveGame();
            QVERIFY2(saver.prompter.messages.isEmpty(), qPrintable(saver.prompter.texts().join('\n')));
            QVERIFY(saver.window->close());
            settings = readFile(saver.ini());
        }
        QCOMPARE(stored(saver, LanguageFreeKeys),
                 QString("Options/Machine=0.2 Options/Payout=Fantasy Options/WheelSpeed=5 Options/CoinSound=1 "
                         "CashOut/CashOut=New CashOut/ShowStats=0"));
        const QByteArray saved = readFile(path);
        QVERIFY(!saved.isEmpty());

        Speaking language(openedIn);
        WindowRig opener;
        QVERIFY(writeFile(opener.ini(), settings));
        opener.start(path);
        QVERIFY2(opener.prompter.messages.isEmpty(), qPrintable(opener.prompter.texts().join('\n')));
        QCOMPARE(opener.game().credits, 4);
        QCOMPARE(opener.game().amountInserted, 20);
        QVERIFY(opener.window->machine().options().payout == PayoutMode::Fantasy);
        QCOMPARE(opener.window->machine().options().machine, 0.2f);
        QVERIFY(opener.window->machine().options().cashOut == CashOutAction::NewGame);
        QVERIFY(!opener.window->machine().options().showStats);
        const QString again = opener.dir.filePath("again.shs");
        opener.prompter.saveResults << again;
        opener.window->gameMenuCommands().saveGameAs();
        QCOMPARE(readFile(again), saved);
        QVERIFY(opener.window->close());
        QCOMPARE(stored(opener, LanguageFreeKeys), stored(saver, LanguageFreeKeys));
    }

    // Money and percentages as each language writes them, in the locale's
    // digits; the English program's byte for byte as ever.
    void figuresInTheLanguagesFormat_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("shown");
        QTest::newRow("English") << "en" << QLocale(QLocale::English, QLocale::UnitedStates)
                                 << "Number of Spins: 12,345|Cash Out Value: $1,023.25|You are ahead: $3.25|"
                                    "Percent of return: 1500.00%";
        QTest::newRow("German") << "de" << QLocale(QLocale::German, QLocale::Germany)
                                << "Anzahl der Drehungen: 12.345|Auszahlungswert: 1.023,25\u00a0$|Im Plus: 3,25\u00a0$|"
                                   "Gewinnquote: 1500,00\u00a0%";
    }
    void figuresInTheLanguagesFormat()
    {
        QFETCH(QString, language);
        QFETCH(QLocale, locale);
        QFETCH(QString, shown);
        const QLocale before;
        QLocale::setDefault(locale);
        Speaking speaking(language);
        EveryDialog dialogs;
        dialogs.options.machine = 4.0f;
        dialogs.game.amountInserted = 1020;
        dialogs.game.credits = 4093;
        dialogs.game.spins = 12345;
        dialogs.game.creditsPlayed = 2;
        dialogs.game.creditsWon = 30;
        const auto window = dialogs.show("Statistics");
        QStringList read;
        for (const char* figure : {"lblSpins", "lblCreditsValue", "lblAheadorDown", "lblReturn"})
            read << QAccessible::queryAccessibleInterface(window->findChild<QLabel*>(figure))->text(QAccessible::Name);
        QLocale::setDefault(before);
        QCOMPARE(read.join('|'), shown);
    }

    // No caption is cut in any dialog, in either language: a translation
    // that is longer than the English text widens its dialog.
    void dialogsFitTheirTexts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("dialog");
        for (const char* language : {"de", "en", "longer"})
            for (const char* dialog : {"Game Options", "Configure Cash Out Button", "Statistics, ahead",
                                       "Statistics, even", "Statistics, down", "About", "Keyboard Shortcuts"})
                QTest::addRow("%s, %s", language, dialog) << language << dialog;
    }
    void dialogsFitTheirTexts()
    {
        QFETCH(QString, language);
        QFETCH(QString, dialog);
        Speaking speaking(language);
        EveryDialog dialogs;
        dialogs.options.machine = 4.0f;
        SlotGame& game = dialogs.game;
        game.amountInserted = 100000;
        game.spins = game.creditsPlayed = game.creditsWon = 100000;
        game.credits = dialog.endsWith("ahead") ? 100000 * 4 : dialog.endsWith("even") ? 100000 * 4 : 1;
        if (dialog.endsWith("ahead"))
            game.amountInserted = 1;
        const auto shown = dialogs.show(dialog.section(',', 0, 0));
        auto* d = qobject_cast<QDialog*>(shown.get());
        QVERIFY(d);
        QVERIFY(QTest::qWaitForWindowExposed(d));
        QCOMPARE(cutCaptions(*d).join(QStringLiteral("; ")), QString());
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
