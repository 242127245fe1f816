#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>

class QCoreApplication;
class QTranslator;

namespace strhaven {

// The language the program speaks: the first of the locale's UI languages
// (from LANGUAGE, then LC_ALL, LC_MESSAGES or LANG) that has a translation
// built in, as a language code such as "de". English, the language the
// texts are written in, wherever it comes first or nothing before it has a
// translation.
QString programLanguage(const QLocale& locale = QLocale());
inline QString sourceLanguage() { return QStringLiteral("en"); }
// The languages with a translation built in, English not among them.
QStringList translatedLanguages();

// The program's own texts in the language; none for English.
std::unique_ptr<QTranslator> programTranslator(const QString& language);
// Qt's own texts (standard buttons, file dialogs) in the language, from the
// system's Qt translations; none when they are not installed.
std::unique_ptr<QTranslator> qtTranslator(const QString& language);

// Installs both for the locale's language, owned by the application. Called
// before any window is made: a text is translated when it is made.
void installTranslations(QCoreApplication& app, const QLocale& locale = QLocale());

// Where a document's copy in another language lies: in a folder named for
// the language beside it ("help/de/topic20.html"), or with the language in
// its name ("readme.de.txt").
enum class CopyPlace { LanguageFolder, LanguageInName };
QString translatedPath(const QString& english, const QString& language, CopyPlace place);
// The copy in the program's language when there is one, else the English
// document itself.
QString documentPath(const QString& english, CopyPlace place, const QLocale& locale = QLocale());

} // namespace strhaven
