#include "shell/RunStart.h"

#include "core/Machine.h"
#include "files/GameMenu.h"
#include "files/GameJournal.h"
#include "files/KeptGame.h"
#include "files/PathHelpers.h"
#include "play/MachineOperator.h"
#include "seams/AppTitle.h"
#include "seams/LocalFiles.h"
#include "seams/Prompter.h"


namespace strhaven {

RunStart::RunStart(GameInPlay game, QString commandLine, QString settingsFile, std::function<bool()> runEnded)
    : m_game(std::move(game))
    , m_commandLine(std::move(commandLine))
    , m_settingsFile(std::move(settingsFile))
    , m_runEnded(std::move(runEnded))
{
}

void RunStart::openFirstGame()
{
    if (!offerKeptGame())
        openNamedGame();
}

void RunStart::showWholeGame()
{
    m_game.machineOperator.showGame();
    m_game.machineOperator.showMachine();
}

void RunStart::openNamedGame()
{
    const QString commandLine = m_commandLine;
    if (commandLine.isEmpty() && !m_game.machine.options().loadLastFile)
        return;
    // Kept absolute, so the stored last file still opens from another folder.
    const QString path = commandLine.isEmpty() ? m_game.gameMenu.fileName() : absolutePath(commandLine);
    m_game.gameMenu.setFileName(path);
    // Read once, checking as it reads: the game and the title change only
    // when the whole file has been read.
    GameFileContent content;
    if (ValidateGameFile(path, &content)) {
        m_game.machine.takeGame(content.options, content.game);
        showWholeGame();
        m_game.gameMenu.adoptFile(path);
        return;
    }
    if (path.isEmpty())
        return;
    m_game.prompter.message(&m_game.window, Prompter::Icon::Exclamation, Prompter::Buttons::Ok, ApplicationTitle(),
                         printablePath(path) + QStringLiteral("\r\n\r\n") +
                             tr("File not found or file is not a valid game file."));
    m_game.gameMenu.setFileName(QString());
    m_game.gameMenu.setFolder(defaultGameFolder());
}

bool RunStart::offerKeptGame()
{
    const QString path = m_game.journal.path();
    const FoundKeptGame found = readKeptGame(path, {m_settingsFile});
    if (found.state == FoundKeptGame::State::None)
        return false;
    if (found.state == FoundKeptGame::State::Damaged) {
        // Told once: put aside, it is not found again.
        const QString aside = putKeptGameAside(path);
        m_game.prompter.message(&m_game.window, Prompter::Icon::Exclamation, Prompter::Buttons::Ok,
                                ApplicationTitle(),
                                aside.isEmpty()
                                    ? tr("The game kept when Star Haven Virtual Slots last closed cannot be read. "
                                         "It was left as %1.").arg(printablePath(path))
                                    : tr("The game kept when Star Haven Virtual Slots last closed cannot be read. "
                                         "It was put aside as %1.").arg(printablePath(aside)));
        return false;
    }
    const KeptGame& kept = found.game;
    const QString text =
        (kept.file.isEmpty() ? tr("When Star Haven Virtual Slots last closed, your game had changed and there was "
                                  "no chance to ask you about it, so it was kept for you.")
                             : tr("When Star Haven Virtual Slots last closed, your game %1 had changed and there was "
                                  "no chance to ask you about it, so it was kept for you.")
                                   .arg(printablePath(ExtractFileName(kept.file)))) +
        QStringLiteral("\r\n\r\n") + tr("Do you want to continue that game?");
    const Prompter::Answer answer = m_game.prompter.message(&m_game.window, Prompter::Icon::Question,
                                                            Prompter::Buttons::YesNo, ApplicationTitle(), text);
    // Ended while the question showed: the answer is nobody's.
    if (m_runEnded())
        return true;
    if (answer != Prompter::Answer::Yes) {
        m_game.journal.discard();
        return false;
    }
    // Under its old name and still to be saved: its file holds the game as
    // it was before. From here on the journal keeps it.
    m_game.machine.takeGame(kept.content.options, kept.content.game, true);
    showWholeGame();
    m_game.gameMenu.setFileName(kept.file);
    if (kept.file.isEmpty())
        m_game.gameMenu.setUntitled();
    else
        m_game.gameMenu.adoptFile(kept.file);
    m_game.record();
    return true;
}

} // namespace strhaven
