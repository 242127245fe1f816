#include "HelpBook.h"

namespace strhaven {

QUrl helpContentsUrl() { return QUrl(QStringLiteral("qrc:/help/contents.html")); }

QUrl helpTopicUrl(int topic)
{
    if (!helpTopics().contains(topic))
        return {};
    return QUrl(QStringLiteral("qrc:/help/topic%1.html").arg(topic));
}

QList<int> helpTopics() { return {20, 30, 40, 50, 60}; }

} // namespace strhaven
