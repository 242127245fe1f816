#include "settings/SettingsStore.h"

#include "seams/AppTitle.h"
#include "seams/ErrorReport.h"
#include "seams/LocalFiles.h"
#include "seams/NumberText.h"

#include <QSettings>

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

std::string readPayout(QSettings& store, const std::string& fallback)
{
    const auto text = readText(store, QStringLiteral("Options/Payout"));
    if (!text || !payoutModeFromString(text->toStdString()))
        return fallback;
    return text->toStdString();
}

QString wheelKey(int pos)
{
    return QStringLiteral("Wheel/%1").arg(pos + 1);
}

// The sound switches and LoadLastFile, in the order they are stored.
struct FlagKey {
    const char* key;
    int GameOptions::*field;
};
constexpr FlagKey FlagKeys[] = {
    {"Options/CoinSound", &GameOptions::CoinSound},
    {"Options/JackPotSound", &GameOptions::JackPotSound},
    {"Options/WheelSound", &GameOptions::WheelSound},
    {"Options/Sound", &GameOptions::Sound},
    {"Options/LoadLastFile", &GameOptions::LoadLastFile},
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
    o.WheelSpeed = readWhole(store, QStringLiteral("Options/WheelSpeed"), 0, 10, o.WheelSpeed);
    for (const FlagKey& flag : FlagKeys)
        o.*flag.field = readWhole(store, QString::fromLatin1(flag.key), 0, 1, o.*flag.field);
    o.Machine = readMachine(store, o.Machine);
    o.Payout = readPayout(store, o.Payout);
    o.ShowStats = readText(store, QStringLiteral("CashOut/ShowStats")).value_or(QStringLiteral("1")).toStdString();
    o.CashOut = readText(store, QStringLiteral("CashOut/CashOut")).value_or(QStringLiteral("Exit")).toStdString();

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
    store.setValue(QStringLiteral("Options/WheelSpeed"), QString::number(o.WheelSpeed));
    for (const FlagKey& flag : FlagKeys)
        store.setValue(QString::fromLatin1(flag.key), QString::number(o.*flag.field));
    store.setValue(QStringLiteral("Options/Machine"), shortestText(o.Machine));
    store.setValue(QStringLiteral("Options/Payout"), QString::fromStdString(o.Payout));
    store.setValue(QStringLiteral("CashOut/ShowStats"), QString::fromStdString(o.ShowStats));
    store.setValue(QStringLiteral("CashOut/CashOut"), QString::fromStdString(o.CashOut));

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

} // namespace strhaven
