#include "GameFile.h"

#include "AppTitle.h"
#include "ErrorReport.h"
#include "NumberText.h"
#include "Prompter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <new>

namespace strhaven {

namespace {

struct GameFileText {
    Q_DECLARE_TR_FUNCTIONS(GameFile)
};

// A game file's lines are short; a longer one is not a game file, and
// reading stops there instead of swallowing whatever the file holds.
constexpr qint64 MaxLineBytes = 256;

bool isReadOnly(const QFileInfo& file)
{
    // Checking the write bits as well keeps a file marked read-only intact
    // for a user the system would let write anyway.
    const auto writeBits = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !file.isWritable() || !(file.permissions() & writeBits);
}

enum class Access { Read, Write };

// Why a path could not be opened, judged by what lies there.
int accessFailure(const QString& path, Access access)
{
    if (path.isEmpty())
        return access == Access::Read ? ErrorNumber::FileNotFound : ErrorNumber::PathFileAccess;
    const QFileInfo target(path);
    // A folder, a pipe or a device is no game file; opening a pipe would
    // even wait for a writer that never comes.
    if (target.exists() && !target.isFile())
        return ErrorNumber::PathFileAccess;
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return ErrorNumber::PathNotFound;
    if (access == Access::Read)
        return target.exists() ? ErrorNumber::PermissionDenied : ErrorNumber::FileNotFound;
    if ((target.exists() && isReadOnly(target)) || !folder.isWritable())
        return ErrorNumber::PermissionDenied;
    return ErrorNumber::PathFileAccess;
}

// Reads a game file line by line, checking each value as it comes.
class GameFileReader {
public:
    explicit GameFileReader(const QString& path)
        : m_file(path)
    {
        if (path.isEmpty() || !QFileInfo(path).isFile() || !m_file.open(QIODevice::ReadOnly))
            throw RunError(accessFailure(path, Access::Read));
    }

    // The next line without its CR LF or LF.
    QString line()
    {
        if (m_file.atEnd())
            throw RunError(ErrorNumber::InputPastEnd);
        QByteArray bytes = m_file.readLine(MaxLineBytes);
        if (bytes.endsWith('\n'))
            bytes.chop(1);
        else if (!m_file.atEnd())
            throw RunError(ErrorNumber::TypeMismatch);
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
    std::string payout()
    {
        const std::string text = line().toStdString();
        if (!payoutModeFromString(text))
            throw RunError(ErrorNumber::TypeMismatch);
        return text;
    }

private:
    QFile m_file;
};

QByteArray gameFileText(const GameFileContent& content)
{
    const GameOptions& o = content.options;
    const SlotGame& g = content.game;
    QStringList lines;
    for (int flag : {o.WheelSpeed, o.Sound, o.WheelSound, o.CoinSound, o.JackPotSound})
        lines << QString::number(flag);
    lines << shortestText(o.Machine) << QString::fromStdString(o.Payout);
    for (std::int32_t counter : {g.Spins, g.AmountInserted, g.CreditsPlayed, g.CreditsWon, g.Credits})
        lines << QString::number(counter);
    lines << QString::fromStdString(g.Won) << QString::fromStdString(g.Played);
    // A position showing nothing is written as Blank: leaving its line out
    // would give a file that can never be opened again.
    for (int pos = 0; pos < ReelGrid::Positions; ++pos)
        lines << QString::number(toIndex(g.Grid.at(pos)));
    const QString crlf = QStringLiteral("\r\n");
    return (lines.join(crlf) + crlf).toUtf8();
}

} // namespace

GameFileContent gameFileContent(const GameOptions& options, const SlotGame& game)
{
    GameFileContent content;
    applyGameFile(GameFileContent{options, game}, content.options, content.game);
    return content;
}

void applyGameFile(const GameFileContent& content, GameOptions& options, SlotGame& game)
{
    const GameOptions& o = content.options;
    options.WheelSpeed = o.WheelSpeed;
    options.Sound = o.Sound;
    options.WheelSound = o.WheelSound;
    options.CoinSound = o.CoinSound;
    options.JackPotSound = o.JackPotSound;
    options.Machine = o.Machine;
    options.Payout = o.Payout;
    game = content.game;
    game.GameChanged = false;
}

GameFileContent readGameFile(const QString& path)
{
    GameFileReader in(path);
    GameFileContent content;
    GameOptions& o = content.options;
    SlotGame& g = content.game;
    o.WheelSpeed = in.whole(0, 10);
    for (int* flag : {&o.Sound, &o.WheelSound, &o.CoinSound, &o.JackPotSound})
        *flag = in.whole(0, 1);
    o.Machine = in.machine();
    o.Payout = in.payout();
    for (std::int32_t* counter : {&g.Spins, &g.AmountInserted, &g.CreditsPlayed, &g.CreditsWon, &g.Credits})
        *counter = in.whole(0, CounterCap);
    g.Won = in.display(0, 7000);
    g.Played = in.display(0, 3);
    for (int pos = 0; pos < ReelGrid::Positions; ++pos)
        g.Grid.set(pos, symbolFromIndex(in.whole(0, SymbolCount - 1)));
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
    const QByteArray text = gameFileText(content);
    const QFileInfo target(path);
    // The save file would replace a read-only file by renaming over it.
    if (path.isEmpty() || target.isDir() || (target.exists() && isReadOnly(target)))
        throw RunError(accessFailure(path, Access::Write));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw RunError(accessFailure(path, Access::Write));
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        throw RunError(ErrorNumber::DiskFull);
    }
    if (!file.commit())
        throw RunError(file.error() == QFileDevice::WriteError ? ErrorNumber::DiskFull
                                                               : accessFailure(path, Access::Write));
}

bool TransferGameFile(const QString& path, int flag, GameFileContent& content, Prompter& prompter, QWidget* owner)
{
    if (flag != TransferFlag::Read && flag != TransferFlag::Write) {
        prompter.message(owner, Prompter::Icon::Critical, Prompter::Buttons::Ok, ApplicationTitle(),
                         GameFileText::tr("Incorrect flag value. Please report this error to Technical Support."),
                         true);
        return false;
    }
    const bool reading = flag == TransferFlag::Read;
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
