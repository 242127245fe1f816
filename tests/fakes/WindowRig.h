#pragma once

#include "fakes/FakeDesktopIntegration.h"
#include "fakes/FakeDocumentOpener.h"
#include "fakes/FakeHelpViewer.h"
#include "fakes/FakeKeyboardState.h"
#include "fakes/FakeStepTimer.h"
#include "fakes/FakePrompter.h"
#include "fakes/FakeSoundOutput.h"
#include "fakes/HeardSounds.h"
#include "shell/MachineWindow.h"
#include "files/GameFile.h"
#include "play/MachineFace.h"
#include "core/RandomSource.h"
#include "play/MachineOperator.h"
#include "assets/sounds/SoundResources.h"

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace strhaven {

// The main window with every seam faked, over a settings store of its own in
// a temporary folder.
struct WindowRig {
    QTemporaryDir dir;
    FakePrompter prompter;
    FakeSoundOutput sound;
    FakeStepTimer timer;
    FakeHelpViewer help;
    FakeDocumentOpener opener;
    FakeDesktopIntegration desktop;
    FakeKeyboardState keyboard;
    FastRandom random{20261206};
    bool settingsKept = true;
    QList<int> programEnds; // exit statuses asked for
    std::unique_ptr<MachineWindow> window;

    QString ini() const { return dir.filePath("settings.ini"); }
    std::unique_ptr<QSettings> store() const { return std::make_unique<QSettings>(ini(), QSettings::IniFormat); }
    void set(const QString& key, const QVariant& value) { store()->setValue(key, value); }

    void start(const QString& commandLine = QString(), RandomSource* rng = nullptr)
    {
        const QString path = ini();
        window = std::make_unique<MachineWindow>(MachineWindowSeams{prompter, sound, timer, help, rng ? *rng : random, opener, desktop,
                                                  keyboard,
                                                  [path] { return std::make_unique<QSettings>(path, QSettings::IniFormat); },
                                                  commandLine, [this](int status) { programEnds << status; }, settingsKept});
        window->startNewGame();
        window->show();
    }

    const SlotGame& game() const { return window->machine().game(); }
    MachineFace& face() { return window->face(); }
    // The game on the machine with these credits, as a game file would bring
    // it, changed against its file or not.
    void setCredits(int credits, bool changed = false)
    {
        Machine& machine = window->machine();
        SlotGame g = machine.game();
        g.credits = credits;
        machine.takeGame(machine.options(), g, changed);
        window->machineOperator().showCredits(false);
    }
    // Options as the Game Options dialog would choose them.
    void setOptions(const std::function<void(GameOptions&)>& change)
    {
        GameOptions o = window->machine().options();
        change(o);
        window->machine().changeOptions(o);
        window->machineOperator().showMachine();
    }
    // A click, and the bill or spin it starts played to its end.
    void click(QWidget* w, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {})
    {
        QTest::mouseClick(w, b, m, QPoint(5, 5));
        timer.runAll();
    }

    QString heard(bool stops = true) const { return strhaven::heard(sound, stops); }

    // The payout panel as the player sees it: check mark, window width, face offset.
    QString panel() const
    {
        return QStringLiteral("%1 %2 %3").arg(window->hidePanelAction()->isChecked() ? "hidden" : "shown")
            .arg(window->drawingArea().width()).arg(window->face().x());
    }

    // A saved game on the given machine with 77 credits.
    QString saveGameFile(const QString& name, float machine)
    {
        GameFileContent c;
        c.options.machine = machine;
        c.game.credits = 77;
        const QString path = dir.filePath(name);
        writeGameFile(path, c);
        return path;
    }

    // The Game menu's item with this caption.
    QAction* gameAction(const QString& caption) const
    {
        for (QAction* a : window->gameMenu()->actions())
            if (a->text() == caption)
                return a;
        return nullptr;
    }
};

} // namespace strhaven
