#include "DesktopEntry.h"

#include "AppTitle.h"
#include "DesktopIdentity.h"

#include <QStringList>

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

QString execValue(const QString& program)
{
    return escapeStringValue(quoteExecArgument(program) + QStringLiteral(" %f"));
}

QByteArray desktopEntry(const QString& program)
{
    const QStringList lines{
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Version=1.4"),
        QStringLiteral("Name=") + ApplicationTitle(),
        QStringLiteral("GenericName=") + DesktopText::tr("Slot Machine"),
        QStringLiteral("Comment=") + DesktopText::tr("A three-wheel slot machine, played for fun with play money"),
        QStringLiteral("Icon=") + iconName(),
        // Desktops hide an entry whose program is gone, so a per-user entry
        // left behind by a removed copy does not linger in the menus.
        QStringLiteral("TryExec=") + escapeStringValue(program),
        QStringLiteral("Exec=") + execValue(program),
        QStringLiteral("Terminal=false"),
        QStringLiteral("Categories=Game;ArcadeGame;"),
        QStringLiteral("Keywords=") + DesktopText::tr("slots;slot machine;casino;jackpot;"),
        QStringLiteral("MimeType=") + gameFileMimeType() + u';',
        QStringLiteral("StartupNotify=true"),
        QStringLiteral("StartupWMClass=") + programName(),
    };
    return (lines.join(u'\n') + u'\n').toUtf8();
}

} // namespace strhaven::desktop
