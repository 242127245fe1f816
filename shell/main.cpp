#include "seams/AppTitle.h"
#include "shell/AppVersion.h"
#include "shell/CommandLine.h"
#include "shell/EndingSignals.h"
#include "platform/DesktopDocumentOpener.h"
#include "desktop/UserDesktopIntegration.h"
#include "platform/DisplayKeyboardState.h"
#include "shell/MachineWindow.h"
#include "shell/HelpWindow.h"
#include "i18n/Translations.h"
#include "platform/QtStepTimer.h"
#include "platform/QtPrompter.h"
#include "platform/LazySoundOutput.h"
#include "core/RandomSource.h"
#include "settings/SettingsStore.h"
#include "shell/InstanceLock.h"
#include "shell/WindowGoneWatch.h"
#include "shell/SplashScreen.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QSettings>

#include <chrono>

int main(int argc, char* argv[])
{
    using namespace strhaven;
    const QStringList arguments = pathArguments(argc, argv);
    // --help and --version answer without a display, in the player's
    // language.
    const QStringList commandLineWords = QStringList{QString()} + arguments;
    if (infoText(commandLineWords)) {
        int coreArgc = 1;
        QCoreApplication core(coreArgc, argv);
        installTranslations(core);
        return runInfoArgument(commandLineWords).value_or(1);
    }
    // The whole command line is the game file's path: the toolkit gets none
    // of it, or it would take "-reverse" or "-platform" as its own.
    int toolkitArgc = 1;
    QApplication app(toolkitArgc, argv);
    QApplication::setApplicationName(ApplicationTitle());
    QApplication::setApplicationVersion(versionText());
    // Before anything shows a text: each is translated as it is made.
    installTranslations(app);

    QtPrompter prompter;
    InstanceLock instance = lockSingleInstance();
    if (instance.outcome == InstanceLock::Outcome::OtherComputer) {
        const QString text =
            QObject::tr("Star Haven Virtual Slots seems to be running on another computer, %1, with the same "
                        "settings. If it no longer runs there, it can start here.")
                .arg(instance.otherComputer) +
            QStringLiteral("\r\n\r\n") + QObject::tr("Do you want to start it anyway?");
        if (prompter.message(nullptr, Prompter::Icon::Question, Prompter::Buttons::YesNo, ApplicationTitle(), text) !=
            Prompter::Answer::Yes)
            return 0;
        instance = takeOverInstanceLock();
    }
    if (instance.outcome == InstanceLock::Outcome::OtherInstance) {
        // Nothing else runs and nothing is written to the settings store.
        prompter.message(nullptr, Prompter::Icon::Exclamation, Prompter::Buttons::Ok, ApplicationTitle(),
                         QObject::tr("Star Haven Virtual Slots is already running. Please check the Taskbar."));
        return 0;
    }
    // Said once, here: the closing save then says nothing more.
    const QString store = openSettingsStore()->fileName();
    removeStaleSettingsLock(store);
    const bool settingsKept = settingsCanBeKept(store);
    if (!settingsKept)
        prompter.message(nullptr, Prompter::Icon::Exclamation, Prompter::Buttons::Ok, ApplicationTitle(),
                         QObject::tr("Your settings cannot be saved, because %1 cannot be written. "
                                     "You can play, but your options will not be remembered.")
                             .arg(QDir::toNativeSeparators(store)));

    QtStepTimer stepTimer;
    LazySoundOutput soundOutput;
    HelpWindow help;
    DisplayKeyboardState keyboard;
    // Seeded once from the clock: every draw after that comes from the
    // generator, so refused draws never repeat while the clock stands still.
    FastRandom random(static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    // The command line is one game-file path, blanks and all.
    const QString commandLine = arguments.join(QLatin1Char(' '));

    DesktopDocumentOpener opener;
    UserDesktopIntegration desktop(prompter, store);
    MachineWindow window({prompter, soundOutput, stepTimer, help, random, opener, desktop, keyboard, openSettingsStore, commandLine,
                  {}, settingsKept});
    SplashScreen splash([&window] { window.show(); });
    // Gone for any reason, the main window takes the program with it.
    WindowGoneWatch watch(window, [&window] { window.endWithoutQuestions(); });
    // A signal ends the run as a logout that allows no questions does.
    EndingSignals endings([&window](int) { window.endWithoutQuestions(); });
    window.startNewGame();
    // Ended already, in the question about a kept game (a signal, a logout).
    if (window.hasEnded())
        return 0;
    splash.showAndStartTimer();
    return app.exec();
}
