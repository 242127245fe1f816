#include "i18n/Translations.h"
#include "fakes/TestFiles.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using namespace strhaven;

class TestTranslations : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    // The probe's answers in an environment with only these locale
    // variables set: the language, then each document's path.
    QStringList probe(const QString& language, const QString& lang, const QString& lcAll, const QStringList& documents)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            env.remove(name);
        const std::pair<const char*, QString> set[] = {{"LANGUAGE", language}, {"LANG", lang}, {"LC_ALL", lcAll}};
        for (const auto& [name, value] : set)
            if (!value.isEmpty())
                env.insert(name, value);
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(STRHAVEN_LANGUAGE_PROBE), documents);
        if (!p.waitForFinished(30000) || p.exitCode() != 0)
            return {QStringLiteral("probe failed: ") + p.readAllStandardError()};
        return QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        for (const char* name : {"both/readme.txt", "both/readme.de.txt", "english/readme.txt", "help/topic20.html",
                                 "help/de/topic20.html", "help/topic30.html"})
            QVERIFY(writeFile(m_dir.filePath(name), "x"));
    }

    // The language follows the first UI language that is English or has a
    // translation, whichever variable names the list.
    void programLanguage_data()
    {
        QTest::addColumn<QString>("language"); // LANGUAGE
        QTest::addColumn<QString>("lang");     // LANG
        QTest::addColumn<QString>("lcAll");    // LC_ALL
        QTest::addColumn<QString>("expected");
        QTest::newRow("de_DE") << "" << "de_DE.UTF-8" << "" << "de";
        QTest::newRow("German of Austria, then English") << "de_AT:en" << "en_US.UTF-8" << "" << "de";
        QTest::newRow("Swiss German falls back to German") << "de_CH" << "" << "" << "de";
        QTest::newRow("English first, then German") << "en_US:de" << "de_DE.UTF-8" << "" << "en";
        QTest::newRow("plain English before German") << "en:de" << "" << "" << "en";
        QTest::newRow("French untranslated, then German") << "fr:de" << "fr_FR.UTF-8" << "" << "de";
        QTest::newRow("French only") << "fr" << "de_DE.UTF-8" << "" << "en";
        QTest::newRow("C") << "" << "C" << "" << "en";
        QTest::newRow("nothing set") << "" << "" << "" << "en";
        QTest::newRow("LC_ALL over LANG") << "" << "en_GB.UTF-8" << "de_DE.UTF-8" << "de";
        QTest::newRow("LANGUAGE over LC_ALL") << "en_GB" << "" << "de_DE.UTF-8" << "en";
    }
    void programLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, lang);
        QFETCH(QString, lcAll);
        QFETCH(QString, expected);
        QCOMPARE(probe(language, lang, lcAll, {}), QStringList{expected});
    }

    // A document is shown from its copy in the program's language where
    // that copy exists, else in English; never from a copy in a language
    // the program does not speak.
    void documentPath_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("shown");
        QTest::newRow("German readme") << "de" << "both/readme.txt" << "both/readme.de.txt";
        QTest::newRow("no German readme") << "de" << "english/readme.txt" << "english/readme.txt";
        QTest::newRow("English wants the English readme") << "en:de" << "both/readme.txt" << "both/readme.txt";
        QTest::newRow("German help page") << "de" << "help/topic20.html" << "help/de/topic20.html";
        QTest::newRow("help page not translated") << "de" << "help/topic30.html" << "help/topic30.html";
        QTest::newRow("French: English page") << "fr" << "help/topic20.html" << "help/topic20.html";
        QTest::newRow("document missing altogether") << "de" << "gone/readme.txt" << "gone/readme.txt";
    }
    void documentPath()
    {
        QFETCH(QString, language);
        QFETCH(QString, document);
        QFETCH(QString, shown);
        QCOMPARE(probe(language, "", "", {m_dir.filePath(document)}).value(1), m_dir.filePath(shown));
    }

    void translatedPath_data()
    {
        QTest::addColumn<QString>("english");
        QTest::addColumn<bool>("inFolder");
        QTest::addColumn<QString>("copy");
        QTest::newRow("resource page") << ":/help/topic20.html" << true << ":/help/de/topic20.html";
        QTest::newRow("page without folder") << "contents.html" << true << "de/contents.html";
        QTest::newRow("readme") << "/opt/sh/readme.txt" << false << "/opt/sh/readme.de.txt";
        QTest::newRow("no suffix, dotted folder") << "/opt/sh.1/README" << false << "/opt/sh.1/README.de";
        QTest::newRow("two suffixes") << "/d/notes.tar.gz" << false << "/d/notes.tar.de.gz";
    }
    void translatedPath()
    {
        QFETCH(QString, english);
        QFETCH(bool, inFolder);
        QFETCH(QString, copy);
        QCOMPARE(strhaven::translatedPath(english, "de", inFolder ? CopyPlace::LanguageFolder : CopyPlace::LanguageInName),
                 copy);
    }

    // German is built in and translates; English has no translator, so its
    // texts are the sources themselves; Qt's own texts come from the system.
    void translators()
    {
        QCOMPARE(translatedLanguages(), QStringList{"de"});
        QVERIFY(!programTranslator("en"));
        QVERIFY(!programTranslator("xx"));
        const auto german = programTranslator("de");
        QVERIFY(german);
        QCOMPARE(german->translate("strhaven::GameMenu", "Save Game"), QString("Spiel speichern"));
        const auto qt = qtTranslator("de");
        QVERIFY2(qt, "Qt's German translations (qt6-translations-l10n) are missing");
        QCOMPARE(qt->translate("QPlatformTheme", "Cancel"), QString("Abbrechen"));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
