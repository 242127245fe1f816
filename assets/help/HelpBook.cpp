#include "assets/help/HelpBook.h"

#include "seams/HelpViewer.h"

namespace strhaven {

QUrl helpContentsUrl() { return QUrl(QStringLiteral("qrc:/help/contents.html")); }

QUrl helpTopicUrl(int topic)
{
    if (!helpTopics().contains(topic))
        return {};
    return QUrl(QStringLiteral("qrc:/help/topic%1.html").arg(topic));
}

QList<int> helpTopics()
{
    return {HelpTopic::HowToPlay, HelpTopic::GameOptions, HelpTopic::CashOutButton, HelpTopic::GameFiles,
            HelpTopic::Statistics};
}

} // namespace strhaven
