#include "settings/SettingsStore.h"

#include "seams/AppTitle.h"
#include "seams/ErrorReport.h"
#include "seams/LocalFiles.h"
#include "seams/NumberText.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <cmath>
#include <optional>

namespace strhaven {

namespace {

// Text as stored. A value with a comma is read back as a list by the INI
// format; joined again it is the text that was typed.
std::optional<QString> readText(QSettings& store, const QString& key)
{
    const QVariant value = store.value(key);
    if (!value.isValid())
        return std::nullopt;
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

// A whole number within the bounds, rounded half to even; else nothing.
std::optional<int> readWhole(QSettings& store, const QString& key, int low, int high)
{
    const auto text = readText(store, key);
    const auto number = text ? parseNumber(*text) : std::nullopt;
    if (!number)
        return std::nullopt;
    const double whole = roundHalfEven(*number);
    if (whole < low || whole > high)
        return std::nullopt;
    return static_cast<int>(whole);
}

int readWhole(QSettings& store, const QString& key, int low, int high, int fallback)
{
    return readWhole(store, key, low, high).value_or(fallback);
}

// "True"/"False" in any case, or a number where non-zero is true.
bool readBool(QSettings& store, const QString& key, bool fallback)
{
    const auto text = readText(store, key);
    if (!text)
        return fallback;
    const QString t = text->trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    const auto number = parseNumber(t);
    return number ? *number != 0.0 : fallback;
}

float readMachine(QSettings& store, float fallback)
{
    const auto text = readText(store, QStringLiteral("Options/Machine"));
    const auto number = text ? parseNumber(*text) : std::nullopt;
    if (!number)
        return fallback;
    const auto denomination = denominationFor(static_cast<float>(*number));
    return denomination ? denomination->machine : fallback;
}

PayoutMode readPayout(QSettings& store, PayoutMode fallback)
{
    const auto text = readText(store, QStringLiteral("Options/Payout"));
    return text ? payoutModeFromString(text->toStdString()).value_or(fallback) : fallback;
}

// Stored as text: exactly "New" or "Exit" is that action; any other text
// acts as Exit, and the dialog shows neither choice for it.
const QString NewGameText = QStringLiteral("New");
const QString ExitText = QStringLiteral("Exit");

CashOutAction readCashOut(QSettings& store)
{
    const auto text = readText(store, QStringLiteral("CashOut/CashOut"));
    if (!text || *text == ExitText)
        return CashOutAction::Exit;
    return *text == NewGameText ? CashOutAction::NewGame : CashOutAction::Unchosen;
}

QString cashOutText(CashOutAction action)
{
    switch (action) {
    case CashOutAction::Exit: return ExitText;
    case CashOutAction::NewGame: return NewGameText;
    case CashOutAction::Unchosen: break;
    }
    return QString();
}

// Stored as text too: on when it reads as a non-zero number, blanks around
// it allowed; anything else is off rather than stopping the cash-out.
bool readShowStats(QSettings& store)
{
    const auto text = readText(store, QStringLiteral("CashOut/ShowStats"));
    if (!text)
        return true;
    const auto number = parseNumber(text->trimmed());
    return number && *number != 0.0;
}

QString wheelKey(int pos)
{
    return QStringLiteral("Wheel/%1").arg(pos + 1);
}

// The sound switches and LoadLastFile, in the order they are stored, as 0
// or 1.
struct SwitchKey {
    const char* key;
    bool GameOptions::*field;
};
constexpr SwitchKey SwitchKeys[] = {
    {"Options/CoinSound", &GameOptions::coinSound},
    {"Options/JackPotSound", &GameOptions::jackPotSound},
    {"Options/WheelSound", &GameOptions::wheelSound},
    {"Options/Sound", &GameOptions::sound},
    {"Options/LoadLastFile", &GameOptions::loadLastFile},
};

const QString trueText = QStringLiteral("True");
const QString falseText = QStringLiteral("False");

} // namespace

int twipsToPixels(int twips)
{
    return static_cast<int>(roundHalfEven(static_cast<double>(twips) / TwipsPerPixel));
}

std::unique_ptr<QSettings> openSettingsStore()
{
    // Given as the organisation with no application, the title names the
    // file itself: <user config folder>/Star Haven Virtual Slots.ini, with no
    // folder of an organisation the program does not have.
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, ApplicationTitle());
}

StoredSettings LoadSettings(QSettings& store, int screenWidthPixels)
{
    StoredSettings s;
    const bool smallScreen = screenWidthPixels == 640;
    // Any position a window can have; beyond that the value is damaged.
    constexpr int farAway = 100'000'000;
    s.windowTop = readWhole(store, QStringLiteral("Window/Top"), -farAway, farAway, smallScreen ? 0 : 900);
    s.windowLeft = readWhole(store, QStringLiteral("Window/Left"), -farAway, farAway, smallScreen ? 0 : 1000);
    s.payoutsHidden = readBool(store, QStringLiteral("Window/Payouts"), false);

    GameOptions& o = s.options;
    o.wheelSpeed = readWhole(store, QStringLiteral("Options/WheelSpeed"), 0, 10, o.wheelSpeed);
    for (const SwitchKey& on : SwitchKeys)
        o.*on.field = readWhole(store, QString::fromLatin1(on.key), 0, 1, o.*on.field ? 1 : 0) != 0;
    o.machine = readMachine(store, o.machine);
    o.payout = readPayout(store, o.payout);
    o.showStats = readShowStats(store);
    o.cashOut = readCashOut(store);

    // A name that is not UTF-8 is kept as its bytes (see LocalFiles).
    const QVariant lastFile = store.value(QStringLiteral("LastFile/Name"));
    s.lastFile = lastFile.typeId() == QMetaType::QByteArray
                     ? pathFromNative(lastFile.toByteArray())
                     : readText(store, QStringLiteral("LastFile/Name")).value_or(QString());
    for (int pos = 0; pos < ReelGrid::Positions; ++pos) {
        const auto symbol = readWhole(store, wheelKey(pos), 0, SymbolCount - 1);
        if (symbol)
            s.wheel.set(pos, symbolFromIndex(*symbol));
    }
    return s;
}

void SaveSettings(QSettings& store, const StoredSettings& s, bool keepStoredPosition)
{
    if (!keepStoredPosition) {
        store.setValue(QStringLiteral("Window/Top"), QString::number(s.windowTop));
        store.setValue(QStringLiteral("Window/Left"), QString::number(s.windowLeft));
    }
    store.setValue(QStringLiteral("Window/Payouts"), s.payoutsHidden ? trueText : falseText);

    const GameOptions& o = s.options;
    store.setValue(QStringLiteral("Options/WheelSpeed"), QString::number(o.wheelSpeed));
    for (const SwitchKey& on : SwitchKeys)
        store.setValue(QString::fromLatin1(on.key), QString::number(o.*on.field ? 1 : 0));
    store.setValue(QStringLiteral("Options/Machine"), shortestText(o.machine));
    store.setValue(QStringLiteral("Options/Payout"), QString::fromStdString(std::string(toString(o.payout))));
    store.setValue(QStringLiteral("CashOut/ShowStats"), QString::number(o.showStats ? 1 : 0));
    store.setValue(QStringLiteral("CashOut/CashOut"), cashOutText(o.cashOut));

    const QByteArray lastFileName = nativePath(s.lastFile);
    store.setValue(QStringLiteral("LastFile/Name"),
                   lastFileName == s.lastFile.toUtf8() ? QVariant(s.lastFile) : QVariant(lastFileName));
    for (int pos = 0; pos < ReelGrid::Positions; ++pos)
        if (!s.wheel.isEmpty(pos))
            store.setValue(wheelKey(pos), QString::number(toIndex(s.wheel.at(pos))));

    store.sync();
    if (store.status() == QSettings::AccessError)
        throw RunError(ErrorNumber::PermissionDenied);
}

bool readFirstTime(QSettings& store)
{
    return readBool(store, QStringLiteral("Window/FirstTime"), true);
}

void writeFirstTimeDone(QSettings& store)
{
    store.setValue(QStringLiteral("Window/FirstTime"), falseText);
    store.sync();
}

void removeStaleSettingsLock(const QString& settingsFile)
{
    // QSettings guards its writes with this lock file; a stale one is
    // taken over by trying it, and goes with the unlock.
    QLockFile lock(settingsFile + QStringLiteral(".lock"));
    if (lock.tryLock(0))
        lock.unlock();
}

bool settingsCanBeKept(const QString& settingsFile)
{
    const QFileInfo file(settingsFile);
    if (file.exists() && (!file.isFile() || !file.isWritable()))
        return false;
    // The store is written as a new file beside the old one, then renamed
    // over it: the folder must take a file, which only trying tells (a
    // read-only folder, a full disk, a file where the folder should be),
    // and have room for one as large as the store, which the file system
    // tells without writing it all (a store of 90 MB made each start wait).
    if (!QDir().mkpath(file.absolutePath()))
        return false;
    QTemporaryFile trial(file.absolutePath() + QStringLiteral("/.strhaven-trial-XXXXXX"));
    if (!trial.open())
        return false;
    const QByteArray content(4096, ' ');
    if (trial.write(content) != content.size() || !trial.flush())
        return false;
    const QStorageInfo volume(file.absolutePath());
    return !volume.isValid() || volume.bytesAvailable() >= file.size();
}

} // namespace strhaven
