#include "shell/CommandLine.h"

#include "seams/AppTitle.h"
#include "shell/AppVersion.h"
#include "seams/LocalFiles.h"

#include <QCoreApplication>

#include <cstdio>

namespace strhaven {

namespace {

struct CommandLineText {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

} // namespace

std::optional<QString> infoText(const QStringList& arguments)
{
    if (arguments.size() != 2)
        return std::nullopt;
    const QString& argument = arguments.at(1);
    if (argument == QStringLiteral("--version"))
        return ApplicationTitle() + u' ' + versionText() + u'\n';
    if (argument != QStringLiteral("--help"))
        return std::nullopt;
    return CommandLineText::tr("Usage: strhaven [GAME FILE]\n"
                               "       strhaven --help | --version\n"
                               "\n"
                               "%1: a three-wheel slot machine. A game file (.shs) named on the\n"
                               "command line is opened at start; its path may hold blanks.\n"
                               "\n"
                               "  --help     print this help and exit\n"
                               "  --version  print the version and exit\n"
                               "\n"
                               "Settings: the file \"%1.ini\" in the user's config folder.\n")
        .arg(ApplicationTitle());
}

QStringList pathArguments(int argc, const char* const argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << pathFromNative(QByteArray(argv[i]));
    return arguments;
}

std::optional<int> runInfoArgument(const QStringList& arguments)
{
    const std::optional<QString> text = infoText(arguments);
    if (!text)
        return std::nullopt;
    const QByteArray bytes = text->toLocal8Bit();
    const bool written = std::fwrite(bytes.constData(), 1, bytes.size(), stdout) == std::size_t(bytes.size());
    // A closed or full output is an error the caller's shell should see.
    return written && std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace strhaven
