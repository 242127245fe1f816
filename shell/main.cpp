#include "AppTitle.h"
#include "Form1.h"
#include "HelpWindow.h"
#include "RealPacer.h"
#include "QtPrompter.h"
#include "QtSoundOutput.h"
#include "RandomSource.h"
#include "SettingsStore.h"
#include "StartUp.h"
#include "frmSplash.h"

#include <QApplication>
#include <QLockFile>
#include <QSettings>

#include <chrono>

int main(int argc, char* argv[])
{
    using namespace strhaven;
    QApplication app(argc, argv);
    QApplication::setApplicationName(ApplicationTitle());
    QApplication::setApplicationVersion(QStringLiteral(STRHAVEN_VERSION));

    QtPrompter prompter;
    const std::unique_ptr<QLockFile> instance = lockSingleInstance();
    if (!instance) {
        // Nothing else runs and nothing is written to the settings store.
        prompter.message(nullptr, Prompter::Icon::Exclamation, Prompter::Buttons::Ok, ApplicationTitle(),
                         QObject::tr("Star Haven Virtual Slots is already running. Please check the Taskbar."));
        return 0;
    }

    RealPacer pacer;
    QtSoundOutput soundOutput;
    HelpWindow help;
    // Seeded once from the clock: every draw after that comes from the
    // generator, so refused draws never repeat while the clock stands still.
    FastRandom random(static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    // The command line is one game-file path, blanks and all.
    const QString commandLine = QApplication::arguments().mid(1).join(QLatin1Char(' '));

    Form1 window({prompter, soundOutput, pacer, help, random, openSettingsStore, commandLine});
    frmSplash splash([&window] { window.show(); });
    window.Form_Load();
    splash.showAndStartTimer();
    return app.exec();
}
