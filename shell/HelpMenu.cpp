#include "shell/HelpMenu.h"

#include "i18n/Translations.h"
#include "seams/AppTitle.h"
#include "seams/DocumentOpener.h"
#include "seams/ErrorReport.h"
#include "seams/HelpViewer.h"
#include "seams/Prompter.h"

#include <QDir>
#include <QFileInfo>

namespace strhaven {

namespace {

struct Page {
    const char* caption;
    const char* errorTitle;
    const char* file; // under web/ in the program's folder
};

const Page Pages[] = {
    {QT_TRANSLATE_NOOP("HelpMenu", "&Gaming Products Page"),
     QT_TRANSLATE_NOOP("HelpMenu", "Error accessing Gaming products page."), "products.html"},
    {QT_TRANSLATE_NOOP("HelpMenu", "Quillfern &Bookstore"), QT_TRANSLATE_NOOP("HelpMenu", "Error accessing Bookstore."),
     "bookstore.html"},
    {QT_TRANSLATE_NOOP("HelpMenu", "Quillfern &Home Page"), QT_TRANSLATE_NOOP("HelpMenu", "Error accessing Home Page."),
     "home.html"},
};

} // namespace

HelpMenu::HelpMenu(Parts parts) : m_p(std::move(parts)) {}

void HelpMenu::exclaim(const QString& text)
{
    m_p.prompter.message(m_p.window, Prompter::Icon::Exclamation, Prompter::Buttons::Ok, ApplicationTitle(), text);
}

// The desktop's own failures that the player can do something about; any
// other result, success among them, says nothing.
void HelpMenu::open(const QString& target)
{
    switch (m_p.opener.openDocument(m_p.window, target)) {
    case DocumentOpener::AccessDenied:
        exclaim(tr("Access was denied. The file may be in use by another application."));
        break;
    case DocumentOpener::OutOfMemory: exclaim(tr("Not enough memory available.")); break;
    case DocumentOpener::NoAssociationForType:
    case DocumentOpener::NoAssociation:
        exclaim(tr("A program association for text files could not be found."));
        break;
    default: break;
    }
}

void HelpMenu::helpTopics()
{
    runCommand(m_p.prompter, m_p.window, tr("Error displaying Help."), [this] { ShowHelp(m_p.help, m_p.window, HelpCommand::Contents, 0); });
}

void HelpMenu::keyboardShortcuts()
{
    runCommand(m_p.prompter, m_p.window, tr("Error displaying Keyboard Shortcuts"), [this] { m_p.showShortcuts(); });
}

void HelpMenu::readmeFile()
{
    runCommand(m_p.prompter, m_p.window, tr("A program associated with text files could not be found."), [this] {
        // The readme in the player's language where there is one.
        const QString path =
            documentPath(QDir(m_p.folder).filePath(QStringLiteral("readme.txt")), CopyPlace::LanguageInName);
        if (!QFileInfo::exists(path)) {
            exclaim(tr("The Readme.txt file could not be found."));
            return;
        }
        open(path);
    });
}

void HelpMenu::webPage(int index)
{
    if (index < 0 || index >= int(std::size(Pages)))
        return;
    const Page& page = Pages[index];
    runCommand(m_p.prompter, m_p.window, tr(page.errorTitle),
            [this, &page] { open(QDir(m_p.folder).filePath(QStringLiteral("web/") + QLatin1String(page.file))); });
}

void HelpMenu::about()
{
    runCommand(m_p.prompter, m_p.window, tr("Error displaying About Box."), [this] { m_p.showAbout(); });
}

std::vector<HelpMenu::Entry> HelpMenu::menuEntries()
{
    return {
        {tr("Help &Topics"), {}, &HelpMenu::helpTopics},
        {tr("&Keyboard Shortcuts"), QKeySequence(Qt::CTRL | Qt::Key_K), &HelpMenu::keyboardShortcuts},
        {tr("&Readme File"), {}, &HelpMenu::readmeFile},
        {},
        {tr("Quillfern on the &Web"), {}, {}},
        {},
        {tr("&About Star Haven..."), {}, &HelpMenu::about},
    };
}

std::vector<HelpMenu::Entry> HelpMenu::webEntries()
{
    std::vector<Entry> entries;
    for (int i = 0; i < int(std::size(Pages)); ++i)
        entries.push_back({tr(Pages[i].caption), {}, [i](HelpMenu& menu) { menu.webPage(i); }});
    return entries;
}

} // namespace strhaven
