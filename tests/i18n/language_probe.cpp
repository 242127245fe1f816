// Started by tst_translations with a chosen environment: the locale's UI
// languages are read from the environment once per process, so each case
// needs a process of its own. Prints the program's language, then the path
// each named document is shown from (a name ending in ".html" is looked up
// in a language folder, any other with the language in its name).
#include "i18n/Translations.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    out << strhaven::programLanguage() << '\n';
    for (const QString& path : app.arguments().mid(1)) {
        const auto place = path.endsWith(QStringLiteral(".html")) ? strhaven::CopyPlace::LanguageFolder
                                                                 : strhaven::CopyPlace::LanguageInName;
        out << strhaven::documentPath(path, place) << '\n';
    }
    return 0;
}
