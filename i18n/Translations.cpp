#include "i18n/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace strhaven {

namespace {

QString builtInTranslation(const QString& language)
{
    return QStringLiteral(":/i18n/strhaven_%1.qm").arg(language);
}

} // namespace

QStringList translatedLanguages()
{
    QStringList languages;
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("strhaven_*.qm")}, QDir::Files))
        languages << file.mid(9).chopped(3);
    return languages;
}

QString programLanguage(const QLocale& locale)
{
    // Not QTranslator::load(locale): it passes over English, which has no
    // translation, and so would show German to "LANGUAGE=en:de".
    for (QString name : locale.uiLanguages()) {
        name.replace(u'-', u'_');
        const QString language = name.section(u'_', 0, 0).toLower();
        if (language == sourceLanguage())
            break;
        for (const QString& candidate : {name, language})
            if (!candidate.isEmpty() && QFileInfo::exists(builtInTranslation(candidate)))
                return candidate;
    }
    return sourceLanguage();
}

std::unique_ptr<QTranslator> programTranslator(const QString& language)
{
    auto translator = std::make_unique<QTranslator>();
    if (language == sourceLanguage() || !translator->load(builtInTranslation(language)))
        return nullptr;
    return translator;
}

std::unique_ptr<QTranslator> qtTranslator(const QString& language)
{
    auto translator = std::make_unique<QTranslator>();
    if (language == sourceLanguage() ||
        !translator->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    return translator;
}

void installTranslations(QCoreApplication& app, const QLocale& locale)
{
    const QString language = programLanguage(locale);
    std::unique_ptr<QTranslator> translators[] = {programTranslator(language), qtTranslator(language)};
    for (std::unique_ptr<QTranslator>& translator : translators) {
        if (!translator)
            continue;
        translator->setParent(&app);
        QCoreApplication::installTranslator(translator.release());
    }
}

QString translatedPath(const QString& english, const QString& language, CopyPlace place)
{
    const QFileInfo file(english);
    const QString folder = english.left(english.size() - file.fileName().size());
    if (place == CopyPlace::LanguageFolder)
        return folder + language + u'/' + file.fileName();
    const QString suffix = file.suffix();
    if (suffix.isEmpty())
        return english + u'.' + language;
    return english.chopped(suffix.size()) + language + u'.' + suffix;
}

QString documentPath(const QString& english, CopyPlace place, const QLocale& locale)
{
    const QString language = programLanguage(locale);
    if (language == sourceLanguage())
        return english;
    const QString copy = translatedPath(english, language, place);
    return QFileInfo::exists(copy) ? copy : english;
}

} // namespace strhaven
