#include "files/KeptGame.h"

#include "seams/AppTitle.h"
#include "seams/LocalFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace strhaven {

QString keptGamePath(const QString& settingsFile)
{
    return QDir(QFileInfo(settingsFile).absolutePath()).filePath(ApplicationTitle() + QStringLiteral(" recovery.shs"));
}

void writeKeptGame(const QString& path, const KeptGame& game)
{
    replaceFileContent(path, gameFileBytes(game.content) + nativePath(game.file) + "\r\n");
}

std::optional<KeptGame> readKeptGame(const QString& path)
{
    GameFileContent content;
    if (!ValidateGameFile(path, &content))
        return std::nullopt;
    try {
        const std::unique_ptr<QFile> file = openForReading(path);
        for (int line = 0; line < GameFileLines; ++line)
            file->readLine();
        QByteArray name = file->readLine();
        while (name.endsWith('\n') || name.endsWith('\r'))
            name.chop(1);
        return KeptGame{content, pathFromNative(name)};
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace strhaven
