// Writes the files an installation gives the desktop (the desktop entry,
// the MIME package, the icons, the metainfo) into a folder laid out like
// <prefix>/share, from the same code the first run uses for its per-user
// copies, so that the two never drift apart.
#include "desktop/DesktopFiles.h"
#include "desktop/DesktopIdentity.h"

#include <QGuiApplication>

#include <cstdio>
#include <exception>

int main(int argc, char* argv[])
{
    using namespace strhaven::desktop;
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 4) {
        std::fputs("usage: strhaven-desktop-files <output folder> <version> <release date>\n", stderr);
        return 2;
    }
    try {
        // Installed, the program is found on the PATH.
        std::vector<DesktopFile> files = associationFiles(programName());
        files.push_back(metainfoFile(arguments.at(2), arguments.at(3)));
        writeDesktopFiles(arguments.at(1), files);
    } catch (const std::exception&) {
        std::fprintf(stderr, "strhaven-desktop-files: cannot write into %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    return 0;
}
