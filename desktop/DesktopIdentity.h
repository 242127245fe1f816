#pragma once

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QString>

#include <array>

// The names under which the desktop knows the game. One reverse-DNS id names
// the desktop entry, the metainfo and the MIME package, so that a per-user
// entry written at the first run replaces the installed one instead of
// showing the game twice in the menus.
namespace strhaven::desktop {

inline QString appId() { return QStringLiteral("io.quillfern.StarHavenVirtualSlots"); }
inline QString desktopFileName() { return appId() + QStringLiteral(".desktop"); }
// The program as it is installed on the PATH, and the name of its icon.
inline QString programName() { return QStringLiteral("strhaven"); }
inline QString iconName() { return QStringLiteral("strhaven"); }
inline constexpr std::array<int, 6> IconSizes{16, 32, 48, 64, 128, 256};

// The game-file type: its extension and class, the class standing in as
// our own MIME type where the desktop speaks MIME.
inline QString gameFileExtension() { return QStringLiteral(".shs"); }
inline QString gameFileClass() { return QStringLiteral("SHVSLOTS_File"); }
inline QString gameFileMimeType() { return QStringLiteral("application/x-shvslots-file"); }

struct DesktopText {
    Q_DECLARE_TR_FUNCTIONS(Desktop)
};

inline constexpr const char* GameFileDescription = QT_TRANSLATE_NOOP("Desktop", "Star Haven Virtual Slots Game File");
inline QString gameFileDescription() { return DesktopText::tr(GameFileDescription); }

// A text the desktop shows: the English, which the desktop's files keep as
// the plain value whatever language the program that writes them runs in,
// and its translation into each language built in, for the desktop to show
// in the user's language.
struct DesktopWording {
    QString english;
    QList<QPair<QString, QString>> translations; // language, text
};
DesktopWording desktopWording(const char* source);

// The uninstall log an installer keeps in the program's folder.
inline QString uninstallLogName() { return QStringLiteral("st5unst.log"); }

} // namespace strhaven::desktop
