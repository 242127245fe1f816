#include "files/KeptGame.h"

#include "seams/AppTitle.h"
#include "seams/LocalFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace strhaven {

namespace {

// The longest path a system takes, percent-encoded throughout: a longer
// line is no name, and must not hold up the start (a 10 MB line once took
// minutes to lay out in the question).
constexpr qsizetype LongestNameLine = 3 * 4096;

QByteArray encodedName(const QString& file) { return nativePath(file).toPercentEncoding("/"); }

// A % always begins two hex digits, and no control character stands as
// itself. (Bytes above ASCII may: a copy of an older run wrote names whole.)
std::optional<QByteArray> decodedName(const QByteArray& line)
{
    for (qsizetype i = 0; i < line.size(); ++i) {
        const uchar c = uchar(line.at(i));
        if (c == '%') {
            if (i + 2 >= line.size() || !isxdigit(uchar(line.at(i + 1))) || !isxdigit(uchar(line.at(i + 2))))
                return std::nullopt;
            i += 2;
        } else if (c < 0x20 || c == 0x7f) {
            return std::nullopt;
        }
    }
    const QByteArray name = QByteArray::fromPercentEncoding(line);
    if (name.contains('\0'))
        return std::nullopt;
    return name;
}

bool sameFile(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    return fileStatus(a).isSameFile(fileStatus(b)) || QDir::cleanPath(a) == QDir::cleanPath(b);
}

} // namespace

QString keptGamePath(const QString& settingsFile)
{
    return QDir(QFileInfo(settingsFile).absolutePath()).filePath(ApplicationTitle() + QStringLiteral(" recovery.shs"));
}

QByteArray keptGameBytes(const KeptGame& game)
{
    return gameFileBytes(game.content) + encodedName(game.file) + "\r\n";
}

FoundKeptGame parseKeptGame(QIODevice& in)
{
    FoundKeptGame found;
    found.state = FoundKeptGame::State::Damaged;
    try {
        found.game.content = readGameFile(in);
    } catch (const std::exception&) {
        return found;
    }
    QByteArray line = in.readLine(LongestNameLine + 3);
    if (!line.endsWith('\n'))
        return found; // cut short, or too long to be a name
    line.chop(line.endsWith("\r\n") ? 2 : 1);
    const std::optional<QByteArray> name = decodedName(line);
    if (!name)
        return found;
    found.game.file = pathFromNative(*name);
    found.state = FoundKeptGame::State::Found;
    return found;
}

FoundKeptGame readKeptGame(const QString& path, const QStringList& notGames)
{
    if (!fileStatus(path).exists)
        return {};
    FoundKeptGame found;
    found.state = FoundKeptGame::State::Damaged;
    try {
        const std::unique_ptr<QFile> file = openForReading(path);
        found = parseKeptGame(*file);
    } catch (const std::exception&) {
        return found;
    }
    const QString& named = found.game.file;
    if (found.state == FoundKeptGame::State::Found && !named.isEmpty()) {
        bool taken = !sameFile(named, path) && !fileStatus(named).folder;
        for (const QString& notGame : notGames)
            taken = taken && !sameFile(named, notGame);
        if (!taken)
            found.state = FoundKeptGame::State::Damaged;
    }
    return found;
}

QString putKeptGameAside(const QString& path)
{
    const QFileInfo kept(path);
    const QString stem = kept.completeBaseName();
    for (int n = 1; n < 1000; ++n) {
        const QString aside = kept.dir().filePath(
            (n == 1 ? QStringLiteral("%1 (damaged).%2") : QStringLiteral("%1 (damaged %3).%2")).arg(stem, kept.suffix()).arg(n));
        if (fileStatus(aside).exists)
            continue;
        return QFile::rename(path, aside) ? aside : QString();
    }
    return QString();
}

} // namespace strhaven
