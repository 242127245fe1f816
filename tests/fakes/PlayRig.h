#pragma once

#include "core/Machine.h"
#include "fakes/FakeHelpViewer.h"
#include "fakes/FakeKeyboardState.h"
#include "fakes/FakeStepTimer.h"
#include "fakes/FakePrompter.h"
#include "fakes/HeardSounds.h"
#include "play/MachineFace.h"
#include "play/MachineOperator.h"
#include "play/SoundPlayer.h"

#include <QTest>

namespace strhaven {

// The machine face with its operator over a machine of its own, every seam
// faked: what the play folder does, without the main window.
struct PlayRig {
    explicit PlayRig(RandomSource* rng = nullptr)
        : machine(rng ? *rng : random)
    {
        face.show();
    }

    // The game on the machine, as a game file would bring it.
    void setGame(std::int32_t credits, float denomination = 1.0f, int sound = 1)
    {
        GameOptions o = machine.options();
        o.machine = denomination;
        o.sound = sound;
        SlotGame g = machine.game();
        g.credits = credits;
        machine.takeGame(o, g);
        player.showGame();
        player.showMachine();
    }
    void setOptions(const GameOptions& options)
    {
        machine.changeOptions(options);
        player.showMachine();
    }
    const SlotGame& game() const { return machine.game(); }
    // A click, and the bill or spin it starts played to its end.
    void click(QWidget* w, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {})
    {
        QTest::mouseClick(w, b, m, QPoint(5, 5));
        timer.runAll();
    }
    QString heard(bool stops = true) const { return strhaven::heard(sound, stops); }

    FastRandom random{20261206};
    FakePrompter prompter;
    FakeSoundOutput sound;
    FakeStepTimer timer;
    Machine machine;
    SoundPlayer soundPlayer{sound};
    MachineFace face{machine.payTable()};
    MachineOperator player{{machine, soundPlayer, timer, prompter}, face};
};

} // namespace strhaven
