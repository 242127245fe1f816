#pragma once

#include "fakes/FakeDesktopIntegration.h"
#include "fakes/FakeDocumentOpener.h"
#include "fakes/FakeHelpViewer.h"
#include "fakes/FakeKeyboardState.h"
#include "fakes/FakePacer.h"
#include "fakes/FakePrompter.h"
#include "fakes/FakeSoundOutput.h"
#include "shell/MachineWindow.h"
#include "files/GameFile.h"
#include "play/MachineFace.h"
#include "core/RandomSource.h"
#include "play/SlotMachine.h"
#include "assets/sounds/SoundResources.h"

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace strhaven {

// A sequence with its repeats counted: "a x3, b".
inline QString counted(const QStringList& seq)
{
    QStringList all;
    for (qsizetype i = 0, repeats = 1; i < seq.size(); ++i, ++repeats)
        if (i + 1 == seq.size() || seq[i + 1] != seq[i]) {
            all << (repeats > 1 ? QStringLiteral("%1 x%2").arg(seq[i]).arg(repeats) : seq[i]);
            repeats = 0;
        }
    return all.join(", ");
}

// The main window with every seam faked, over a settings store of its own in
// a temporary folder.
struct WindowRig {
    QTemporaryDir dir;
    FakePrompter prompter;
    FakeSoundOutput sound;
    FakePacer pacer;
    FakeHelpViewer help;
    FakeDocumentOpener opener;
    FakeDesktopIntegration desktop;
    FakeKeyboardState keyboard;
    FastRandom random{20261206};
    bool settingsKept = true;
    QList<int> programEnds; // exit statuses asked for
    std::unique_ptr<MachineWindow> form;

    QString ini() const { return dir.filePath("settings.ini"); }
    std::unique_ptr<QSettings> store() const { return std::make_unique<QSettings>(ini(), QSettings::IniFormat); }
    void set(const QString& key, const QVariant& value) { store()->setValue(key, value); }

    void start(const QString& commandLine = QString(), RandomSource* rng = nullptr)
    {
        const QString path = ini();
        form = std::make_unique<MachineWindow>(MachineWindowSeams{prompter, sound, pacer, help, rng ? *rng : random, opener, desktop,
                                                  keyboard,
                                                  [path] { return std::make_unique<QSettings>(path, QSettings::IniFormat); },
                                                  commandLine, [this](int status) { programEnds << status; }, settingsKept});
        form->startNewGame();
        form->show();
    }

    SlotGame& game() { return form->game(); }
    MachineFace& face() { return form->face(); }
    void setCredits(int credits)
    {
        game().Credits = credits;
        form->machine().showCredits(false);
    }
    static void click(QWidget* w, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {})
    {
        QTest::mouseClick(w, b, m, QPoint(5, 5));
    }

    // 1 wheel, 2 coin, 3 jackpot, 0 stop.
    static int soundOf(const FakeSoundOutput::Call& c)
    {
        for (int id = 1; id <= 3; ++id)
            if (c.wave == waveResource(id))
                return id;
        return 0;
    }
    // What the player heard, in order: "coin x5, stop, wheel loop".
    QString heard(bool stops = true) const
    {
        static const char* const names[] = {"stop", "wheel", "coin", "jackpot"};
        QStringList seq;
        for (const auto& c : sound.calls)
            if (stops || c.kind != FakeSoundOutput::Kind::Stop)
                seq << QString::fromLatin1(names[soundOf(c)]) + (c.kind == FakeSoundOutput::Kind::Looping ? " loop" : "");
        return counted(seq);
    }

    // The payout panel as the player sees it: check mark, window width, face offset.
    QString panel() const
    {
        return QStringLiteral("%1 %2 %3").arg(form->hidePanelAction()->isChecked() ? "hidden" : "shown")
            .arg(form->drawingArea().width()).arg(form->face().x());
    }

    // A saved game on the given machine with 77 credits.
    QString saveGameFile(const QString& name, float machine)
    {
        GameFileContent c;
        c.options.Machine = machine;
        c.game.Credits = 77;
        const QString path = dir.filePath(name);
        writeGameFile(path, c);
        return path;
    }

    // The Game menu's item with this caption.
    QAction* gameAction(const QString& caption) const
    {
        for (QAction* a : form->gameMenu()->actions())
            if (a->text() == caption)
                return a;
        return nullptr;
    }
};

} // namespace strhaven
