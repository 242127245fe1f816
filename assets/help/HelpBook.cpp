#include "assets/help/HelpBook.h"

#include "i18n/Translations.h"
#include "seams/HelpViewer.h"

namespace strhaven {

namespace {

// A page in the program's language, from the language's folder beside the
// English pages; a page not yet translated is shown in English. Its links
// are relative, so they stay within the language it is written in.
QUrl pageUrl(const QString& name)
{
    return QUrl(QStringLiteral("qrc") + documentPath(QStringLiteral(":/help/") + name, CopyPlace::LanguageFolder));
}

} // namespace

QUrl helpContentsUrl() { return pageUrl(QStringLiteral("contents.html")); }

QUrl helpTopicUrl(int topic)
{
    if (!helpTopics().contains(topic))
        return {};
    return pageUrl(QStringLiteral("topic%1.html").arg(topic));
}

QList<int> helpTopics()
{
    return {HelpTopic::HowToPlay, HelpTopic::GameOptions, HelpTopic::CashOutButton, HelpTopic::GameFiles,
            HelpTopic::Statistics};
}

} // namespace strhaven
