#pragma once

#include <QList>
#include <QUrl>

namespace strhaven {

// The help book's pages, bundled as resources: a contents page and one page
// per topic number.
QUrl helpContentsUrl();
// Empty for a topic the book does not have.
QUrl helpTopicUrl(int topic);
QList<int> helpTopics();

} // namespace strhaven
