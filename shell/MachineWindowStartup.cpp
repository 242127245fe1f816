// Starting a game, at start-up and as the new-game operation: the first
// run's desktop registration, the settings it applies, the window's place,
// and, at start-up only, a kept game or the game named on the command line
// or played last.
#include "shell/MachineWindow.h"

#include "assets/art/Art.h"
#include "files/KeptGame.h"
#include "files/PathHelpers.h"
#include "play/MachineFace.h"
#include "play/MachineOperator.h"
#include "seams/AppTitle.h"
#include "seams/DesktopIntegration.h"
#include "seams/ErrorReport.h"
#include "seams/LocalFiles.h"
#include "seams/Prompter.h"
#include "settings/SettingsStore.h"
#include "shell/WindowPlacement.h"
#include "widgets/OverrideCursor.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>

namespace strhaven {

namespace {

// Where file dialogs open when no game says otherwise. The program's own
// folder is read-only once installed, so games start in the user's documents.
QString defaultGameFolder()
{
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(docs).isDir() ? docs : QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
}

int screenWidth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

} // namespace

void MachineWindow::startNewGame()
{
    try {
        OverrideCursor cursor(Qt::WaitCursor);
        std::unique_ptr<QSettings> store = m_seams.openSettings();
        // Registered once: where its "done" mark cannot be stored, every
        // start would register (and fail) again.
        if (m_seams.settingsKept && readFirstTime(*store)) {
            m_seams.desktop.WriteUninstallLog(this);
            m_seams.desktop.RegisterFileType(this);
            // Done once, whatever the two steps managed.
            writeFirstTimeDone(*store);
        }
        m_gameMenuCommands.setUntitled();
        // Every new game lays the face out anew at full width, then keeps
        // the panel as its check mark shows; the stored setting below brings
        // the mark in line when they differ.
        m_drawingArea->setFixedWidth(art::FaceSize.width());
        m_face->layOut();
        if (m_hidePanel->isChecked())
            hidePayoutsPanel();
        const StoredSettings stored = LoadSettings(*store, screenWidth());
        applySettings(stored);
        m_machine.startNewGame(stored.options, stored.wheel);
        // The $5 slot follows the machine, so a new game after a Two or Five
        // Dollars game takes $5 bills again.
        showWholeGame();
        m_gameMenuCommands.setFolder(defaultGameFolder());
        if (!m_started && !offerKeptGame())
            openStartupGame();
        m_started = true;
    } catch (const std::exception& e) {
        ShowError(m_seams.prompter, this, e, tr("Error Loading Program"));
    }
}

void MachineWindow::applySettings(const StoredSettings& storedSettings)
{
    if (storedSettings.payoutsHidden != m_hidePanel->isChecked())
        m_hidePanel->trigger();
    if (!m_started)
        restorePosition(QPoint(twipsToPixels(storedSettings.windowLeft), twipsToPixels(storedSettings.windowTop)));
    m_gameMenuCommands.setFileName(storedSettings.lastFile);
}

// The stored position is the frame's, title bar and all, as it is saved.
// Before the window first shows, the window system takes a position as the
// frame's only while no resize follows it; so the window takes its final
// size first (the panel is already in place), then its position.
void MachineWindow::restorePosition(const QPoint& frame)
{
    adjustSize();
    if (!canPlaceWindows())
        return;
    // A position stored on a monitor that is gone, or a damaged one, must
    // not put the window where nobody can see it.
    move(keptOnScreen(QRect(frame, frameGeometry().size()), availableScreenAreas()));
}

StoredSettings MachineWindow::settingsToStore() const
{
    StoredSettings s;
    const QPoint frame = frameGeometry().topLeft();
    s.windowTop = pixelsToTwips(frame.y());
    s.windowLeft = pixelsToTwips(frame.x());
    s.payoutsHidden = m_hidePanel->isChecked();
    s.options = m_machine.options();
    s.lastFile = m_gameMenuCommands.fileName();
    s.wheel = m_machine.game().grid;
    return s;
}

void MachineWindow::openStartupGame()
{
    const QString commandLine = m_seams.commandLine;
    if (commandLine.isEmpty() && !m_machine.options().loadLastFile)
        return;
    // Kept absolute, so the stored last file still opens from another folder.
    const QString path = commandLine.isEmpty() ? m_gameMenuCommands.fileName() : QFileInfo(commandLine).absoluteFilePath();
    m_gameMenuCommands.setFileName(path);
    // Read once, checking as it reads: the game and the title change only
    // when the whole file has been read.
    GameFileContent content;
    if (ValidateGameFile(path, &content)) {
        m_machine.takeGame(content.options, content.game);
        showWholeGame();
        m_gameMenuCommands.adoptFile(path);
        return;
    }
    if (path.isEmpty())
        return;
    m_seams.prompter.message(this, Prompter::Icon::Exclamation, Prompter::Buttons::Ok, ApplicationTitle(),
                             printablePath(path) + QStringLiteral("\r\n\r\n") +
                                 tr("File not found or file is not a valid game file."));
    m_gameMenuCommands.setFileName(QString());
    m_gameMenuCommands.setFolder(defaultGameFolder());
}

QString MachineWindow::keptGamePath() const
{
    const QFileInfo settings(m_seams.openSettings()->fileName());
    return QDir(settings.absolutePath()).filePath(ApplicationTitle() + QStringLiteral(" recovery.shs"));
}

bool MachineWindow::offerKeptGame()
{
    const QString path = keptGamePath();
    if (!fileStatus(path).exists)
        return false;
    const std::optional<KeptGame> kept = readKeptGame(path);
    // Offered once, whatever the answer; a damaged copy is not offered.
    QFile::remove(path);
    if (!kept)
        return false;
    const QString text =
        (kept->file.isEmpty() ? tr("When Star Haven Virtual Slots last closed, your game had changed and there was "
                                   "no chance to ask you about it, so it was kept for you.")
                              : tr("When Star Haven Virtual Slots last closed, your game %1 had changed and there was "
                                   "no chance to ask you about it, so it was kept for you.")
                                    .arg(printablePath(ExtractFileName(kept->file)))) +
        QStringLiteral("\r\n\r\n") + tr("Do you want to continue that game?");
    if (m_seams.prompter.message(this, Prompter::Icon::Question, Prompter::Buttons::YesNo, ApplicationTitle(), text) !=
        Prompter::Answer::Yes)
        return false;
    // Under its old name and still to be saved: its file holds the game as
    // it was before.
    m_machine.takeGame(kept->content.options, kept->content.game, true);
    showWholeGame();
    m_gameMenuCommands.setFileName(kept->file);
    if (kept->file.isEmpty())
        m_gameMenuCommands.setUntitled();
    else
        m_gameMenuCommands.adoptFile(kept->file);
    return true;
}

} // namespace strhaven
