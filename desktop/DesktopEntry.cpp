#include "desktop/DesktopEntry.h"

#include "seams/AppTitle.h"
#include "desktop/DesktopIdentity.h"
#include "i18n/Translations.h"

#include <QStringList>
#include <QTranslator>

namespace strhaven::desktop {

QString quoteExecArgument(const QString& argument)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == u'%') {
            quoted += QStringLiteral("%%");
            continue;
        }
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    return quoted + u'"';
}

QString escapeStringValue(const QString& value)
{
    QString escaped;
    escaped.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == u'\\')
            escaped += QStringLiteral("\\\\");
        else if (c == u'\n')
            escaped += QStringLiteral("\\n");
        else if (c == u'\t')
            escaped += QStringLiteral("\\t");
        else if (c == u'\r')
            escaped += QStringLiteral("\\r");
        else if (c == u' ' && i == 0)
            escaped += QStringLiteral("\\s"); // a key file drops leading blanks
        else
            escaped += c;
    }
    return escaped;
}

namespace {

// The reverse of escapeStringValue.
QString unescapeStringValue(const QString& value)
{
    QString text;
    text.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != u'\\' || i + 1 == value.size()) {
            text += c;
            continue;
        }
        const QChar escaped = value.at(++i);
        const qsizetype known = QStringLiteral("sntr\\").indexOf(escaped);
        text += known < 0 ? escaped : QStringLiteral(" \n\t\r\\").at(known);
    }
    return text;
}

} // namespace

DesktopWording desktopWording(const char* source)
{
    DesktopWording wording{QString::fromUtf8(source), {}};
    for (const QString& language : translatedLanguages()) {
        const std::unique_ptr<QTranslator> translator = programTranslator(language);
        const QString text = translator ? translator->translate("Desktop", source) : QString();
        if (!text.isEmpty())
            wording.translations.append({language, text});
    }
    return wording;
}

namespace {

// The key with the English value, then the key of each language.
QStringList localizedKey(const QString& key, const char* source)
{
    const DesktopWording wording = desktopWording(source);
    QStringList lines{key + u'=' + escapeStringValue(wording.english)};
    for (const auto& [language, text] : wording.translations)
        lines << key + u'[' + language + QStringLiteral("]=") + escapeStringValue(text);
    return lines;
}

} // namespace

QString execValue(const QString& program)
{
    return escapeStringValue(quoteExecArgument(program) + QStringLiteral(" %f"));
}

QByteArray desktopEntry(const QString& program)
{
    const QStringList lines = QStringList{
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Version=1.4"),
        QStringLiteral("Name=") + ApplicationTitle()}
        + localizedKey(QStringLiteral("GenericName"), QT_TRANSLATE_NOOP("Desktop", "Slot Machine"))
        + localizedKey(QStringLiteral("Comment"),
                       QT_TRANSLATE_NOOP("Desktop", "A three-wheel slot machine, played for fun with play money"))
        + QStringList{
        QStringLiteral("Icon=") + iconName(),
        // Desktops hide an entry whose program is gone, so a per-user entry
        // left behind by a removed copy does not linger in the menus.
        QStringLiteral("TryExec=") + escapeStringValue(program),
        QStringLiteral("Exec=") + execValue(program),
        QStringLiteral("Terminal=false"),
        QStringLiteral("Categories=Game;ArcadeGame;")}
        + localizedKey(QStringLiteral("Keywords"), QT_TRANSLATE_NOOP("Desktop", "slots;slot machine;casino;jackpot;"))
        + QStringList{
        QStringLiteral("MimeType=") + gameFileMimeType() + u';',
        QStringLiteral("StartupNotify=true"),
        QStringLiteral("StartupWMClass=") + programName(),
    };
    return (lines.join(u'\n') + u'\n').toUtf8();
}

QString entryProgram(const QByteArray& entry)
{
    // Only the main group's key counts, not an action's of the same name.
    bool mainGroup = false;
    for (const QByteArray& raw : entry.split('\n')) {
        const QString line = QString::fromUtf8(raw.endsWith('\r') ? raw.chopped(1) : raw);
        if (line.startsWith(u'['))
            mainGroup = line == QStringLiteral("[Desktop Entry]");
        else if (mainGroup && line.section(u'=', 0, 0).trimmed() == QStringLiteral("TryExec")) {
            // Blanks after the '=' are not the value's; one that is begins with \s.
            QString value = line.section(u'=', 1);
            while (value.startsWith(u' ') || value.startsWith(u'\t'))
                value.remove(0, 1);
            return unescapeStringValue(value);
        }
    }
    return {};
}

} // namespace strhaven::desktop
