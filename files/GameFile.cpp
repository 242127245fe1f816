#include "files/GameFile.h"

#include "seams/ErrorReport.h"
#include "seams/LocalFiles.h"
#include "seams/NumberText.h"
#include "seams/Prompter.h"

#include <QCoreApplication>
#include <QFile>

#include <cstring>
#include <optional>

namespace strhaven {

namespace {

struct GameFileText {
    Q_DECLARE_TR_FUNCTIONS(GameFile)
};

// A target that must not be replaced, before anything is written: a
// folder, a pipe or a device is no game file, and renaming over a file marked
// read-only would go through the mark for any user the system lets write.
std::optional<int> refusedTarget(const QString& path)
{
    const FileStatus target = fileStatus(path);
    if (path.isEmpty() || (target.exists && !target.regular))
        return ErrorNumber::PathFileAccess;
    if (target.exists && (!target.writable || target.markedReadOnly))
        return ErrorNumber::PermissionDenied;
    return std::nullopt;
}

// Reads a game file line by line, checking each value as it comes.
class GameFileReader {
public:
    explicit GameFileReader(QIODevice& file)
        : m_file(&file)
    {
    }

    // The next line without its CR LF or LF. A line may be as long as it
    // likes: blanks before a number are part of the format, and only the
    // 23 lines it defines are ever read. A NUL byte is no text, so a file
    // that holds one is refused where it shows, not read to its end.
    QString line()
    {
        if (m_file->atEnd())
            throw RunError(ErrorNumber::InputPastEnd);
        QByteArray bytes;
        while (!bytes.endsWith('\n')) {
            char chunk[4096];
            const qint64 read = m_file->readLine(chunk, sizeof chunk);
            if (read < 0)
                throw RunError(ErrorNumber::PathFileAccess);
            if (read == 0)
                break;
            if (std::memchr(chunk, '\0', size_t(read)))
                throw RunError(ErrorNumber::TypeMismatch);
            bytes.append(chunk, read);
        }
        if (bytes.endsWith('\n'))
            bytes.chop(1);
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        return QString::fromUtf8(bytes);
    }

    // Ranges are inclusive and checked before rounding, so 10.4 passes for
    // 0 to 10 and 10.5 does not.
    double number(double low, double high)
    {
        const auto value = parseNumber(line());
        if (!value || *value < low || *value > high)
            throw RunError(ErrorNumber::TypeMismatch);
        return *value;
    }

    int whole(int low, int high) { return static_cast<int>(roundHalfEven(number(low, high))); }

    // A line kept as written once it has passed its range check.
    std::string display(int low, int high)
    {
        const QString text = line();
        const auto value = parseNumber(text);
        if (!value || *value < low || *value > high)
            throw RunError(ErrorNumber::TypeMismatch);
        return text.toStdString();
    }

    // One of the seven denominations, compared as double-precision numbers
    // with their written forms, so "0.2" matches and "0.2000001" does not.
    float machine()
    {
        const auto value = parseNumber(line());
        for (const Denomination& d : Denominations)
            if (value && *value == shortestText(d.machine).toDouble())
                return d.machine;
        throw RunError(ErrorNumber::TypeMismatch);
    }

    // Exactly one of the mode names: case and blanks count.
    PayoutMode payout()
    {
        const auto mode = payoutModeFromString(line().toStdString());
        if (!mode)
            throw RunError(ErrorNumber::TypeMismatch);
        return *mode;
    }

    bool onOff() { return whole(0, 1) != 0; }

private:
    QIODevice* m_file;
};

} // namespace

QByteArray gameFileBytes(const GameFileContent& content)
{
    const GameOptions& o = content.options;
    const SlotGame& g = content.game;
    QStringList lines;
    lines << QString::number(o.wheelSpeed);
    for (bool on : {o.sound, o.wheelSound, o.coinSound, o.jackPotSound})
        lines << QString::number(on ? 1 : 0);
    lines << shortestText(o.machine) << QString::fromStdString(std::string(toString(o.payout)));
    for (std::int32_t counter : {g.spins, g.amountInserted, g.creditsPlayed, g.creditsWon, g.credits})
        lines << QString::number(counter);
    lines << QString::fromStdString(g.wonShown) << QString::fromStdString(g.playedShown);
    // A position showing nothing is written as Blank: leaving its line out
    // would give a file that can never be opened again.
    for (int pos = 0; pos < ReelGrid::Positions; ++pos)
        lines << QString::number(toIndex(g.grid.at(pos)));
    const QString crlf = QStringLiteral("\r\n");
    return (lines.join(crlf) + crlf).toUtf8();
}

GameFileContent gameFileContent(const GameOptions& options, const SlotGame& game) { return {options, game}; }

GameFileContent readGameFile(const QString& path)
{
    const std::unique_ptr<QFile> file = openForReading(path);
    return readGameFile(*file);
}

GameFileContent readGameFile(QIODevice& file)
{
    GameFileReader in(file);
    GameFileContent content;
    GameOptions& o = content.options;
    SlotGame& g = content.game;
    o.wheelSpeed = in.whole(0, 10);
    for (bool* on : {&o.sound, &o.wheelSound, &o.coinSound, &o.jackPotSound})
        *on = in.onOff();
    o.machine = in.machine();
    o.payout = in.payout();
    for (std::int32_t* counter : {&g.spins, &g.amountInserted, &g.creditsPlayed, &g.creditsWon, &g.credits})
        *counter = in.whole(0, CounterCap);
    g.wonShown = in.display(0, 7000);
    g.playedShown = in.display(0, 3);
    for (int pos = 0; pos < ReelGrid::Positions; ++pos)
        g.grid.set(pos, symbolFromIndex(in.whole(0, SymbolCount - 1)));
    return content;
}

bool ValidateGameFile(const QString& path, GameFileContent* content)
{
    try {
        GameFileContent read = readGameFile(path);
        if (content)
            *content = std::move(read);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void writeGameFile(const QString& path, const GameFileContent& content)
{
    if (const std::optional<int> refused = refusedTarget(path))
        throw RunError(*refused);
    replaceFileContent(path, gameFileBytes(content));
}

bool TransferGameFile(const QString& path, Transfer transfer, GameFileContent& content, Prompter& prompter,
                      QWidget* owner)
{
    const bool reading = transfer == Transfer::Read;
    try {
        if (reading)
            content = readGameFile(path);
        else
            writeGameFile(path, content);
        return true;
    } catch (const std::exception& e) {
        ShowError(prompter, owner, e,
                  reading ? GameFileText::tr("Error reading file.") : GameFileText::tr("Error writing file."));
    }
    return false;
}

} // namespace strhaven
