#include "files/WindowTitle.h"

#include "seams/AppTitle.h"
#include "seams/LocalFiles.h"
#include "files/PathHelpers.h"

#include <QCoreApplication>

namespace strhaven {

namespace {

struct WindowTitleText {
    Q_DECLARE_TR_FUNCTIONS(WindowTitle)
};

QString titleWith(const QString& name)
{
    return ApplicationTitle() + QStringLiteral(" - ") + name;
}

} // namespace

QString untitledTitle()
{
    return titleWith(WindowTitleText::tr("[untitled]"));
}

QString titleFor(const QString& path)
{
    // Without a separator the whole path is the name; splitting would leave
    // the title ending in " - " with nothing after it.
    const bool bare = ExtractFolder(path).isEmpty();
    return titleWith(printablePath(bare ? path : ExtractFileName(path)));
}

} // namespace strhaven
