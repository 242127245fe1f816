#pragma once

#include "core/GameOptions.h"
#include "core/ReelGrid.h"

#include <QString>

#include <memory>

class QSettings;

namespace strhaven {

// The main window's position is stored in twips, 15 to a screen pixel.
inline constexpr int TwipsPerPixel = 15;
constexpr int pixelsToTwips(int pixels) { return pixels * TwipsPerPixel; }
int twipsToPixels(int twips);

// Everything the store keeps between runs, besides FirstTime.
struct StoredSettings {
    int windowTop = 900; // twips
    int windowLeft = 1000;
    bool payoutsHidden = false;
    GameOptions options;
    QString lastFile;
    // A position showing nothing keeps its stored key on saving.
    ReelGrid wheel = ReelGrid::defaultGrid();
};

// The user's own store: an INI file named after the application title in
// the user's config folder (fileName() tells where).
std::unique_ptr<QSettings> openSettingsStore();

// Reads every key. A key that is missing, or whose value is damaged (text
// where a number belongs, a value outside what the key can hold, an unknown
// machine or payout mode), gives its default, so a damaged store never
// stops the program. The default position is 0/0 twips on a screen 640
// pixels wide, else 900/1000.
StoredSettings LoadSettings(QSettings& store, int screenWidthPixels);

// Writes every key but, with keepStoredPosition, the window's position: a
// minimized window's, or one the window system keeps to itself, is not
// written, so the last one the player left survives. Throws RunError(PermissionDenied) when the
// store cannot be written.
void SaveSettings(QSettings& store, const StoredSettings& settings, bool keepStoredPosition);

// A lock on the store that a run killed while it wrote the settings left
// behind goes (a live writer's stays).
void removeStaleSettingsLock(const QString& settingsFile);

// True when the settings store at this path can really be written, so that
// what the player sets survives the run. Found out by writing beside it.
bool settingsCanBeKept(const QString& settingsFile);

// Window/FirstTime: true until the first run's desktop integration is done.
bool readFirstTime(QSettings& store);
void writeFirstTimeDone(QSettings& store);

} // namespace strhaven
