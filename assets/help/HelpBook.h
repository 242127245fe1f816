#pragma once

#include <QList>
#include <QUrl>

namespace strhaven {

// The help book's pages, bundled as resources: a contents page and one page
// per topic number, in the program's language where the book has it.
QUrl helpContentsUrl();
// Empty for a topic the book does not have.
QUrl helpTopicUrl(int topic);
QList<int> helpTopics();

} // namespace strhaven
