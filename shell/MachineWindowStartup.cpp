// Start-up and shutdown of the main window: starting a game (also the
// new-game operation), the settings it applies, the game named on the command line
// or played last, and the questions asked when the window closes.
#include "shell/MachineWindow.h"

#include "seams/AppTitle.h"
#include "seams/DesktopIntegration.h"
#include "assets/art/Art.h"
#include "seams/ErrorReport.h"
#include "widgets/WaitCursor.h"
#include "seams/HelpViewer.h"
#include "files/KeptGame.h"
#include "seams/LocalFiles.h"
#include "play/MachineFace.h"
#include "files/PathHelpers.h"
#include "seams/Prompter.h"
#include "settings/SettingsStore.h"
#include "play/SlotMachine.h"
#include "shell/WindowPlacement.h"
#include "files/WindowTitle.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSessionManager>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

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
        WaitCursor cursor;
        std::unique_ptr<QSettings> store = m_seams.openSettings();
        // Registered once: where its "done" mark cannot be stored, every
        // start would register (and fail) again.
        if (m_seams.settingsKept && readFirstTime(*store)) {
            m_seams.desktop.WriteUninstallLog(this);
            m_seams.desktop.RegisterFileType(this);
            // Done once, whatever the two steps managed.
            writeFirstTimeDone(*store);
        }
        m_game.GameChanged = false;
        setDocumentFile({});
        // Every new game lays the face out anew at full width, then keeps
        // the panel as its check mark shows; the stored setting below brings
        // the mark in line when they differ.
        m_drawingArea->setFixedWidth(art::FaceSize.width());
        m_face->layOut();
        if (m_hidePanel->isChecked())
            HidePayoutsPanel();
        m_payTable = BuildPayTable();
        applySettings(LoadSettings(*store, screenWidth()));
        SetPayout(m_strip, m_options.Payout);
        if (m_options.Machine < 1.0f)
            m_options.Machine = 1.0f;
        // The $5 slot follows the machine, so a new game after a Two or Five
        // Dollars game takes $5 bills again.
        m_machine->showMachine();
        m_game.resetCounters();
        m_machine->showGame();
        m_folder = defaultGameFolder();
        if (!m_formLoadedOnce && !offerKeptGame())
            openStartupGame();
        m_formLoadedOnce = true;
    } catch (const std::exception& e) {
        ShowError(m_seams.prompter, this, e, tr("Error Loading Program"));
    }
}

void MachineWindow::applySettings(const StoredSettings& storedSettings)
{
    if (storedSettings.payoutsHidden != m_hidePanel->isChecked())
        m_hidePanel->trigger();
    if (!m_formLoadedOnce)
        restorePosition(QPoint(twipsToPixels(storedSettings.windowLeft), twipsToPixels(storedSettings.windowTop)));
    m_options = storedSettings.options;
    m_fileName = storedSettings.lastFile;
    m_game.Grid = storedSettings.wheel;
}

// The stored position is the frame's, title bar and all, as it is saved.
// Before the window first shows, the window system takes a position as the
// frame's only while no resize follows it; so the window takes its final
// size first (the panel is already in place), then its position.
void MachineWindow::restorePosition(const QPoint& frame)
{
    adjustSize();
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
    s.options = m_options;
    s.lastFile = m_fileName;
    s.wheel = m_game.Grid;
    return s;
}

void MachineWindow::openStartupGame()
{
    const QString commandLine = m_seams.commandLine;
    if (commandLine.isEmpty() && m_options.LoadLastFile == 0)
        return;
    // Kept absolute, so the stored last file still opens from another folder.
    const QString path = commandLine.isEmpty() ? m_fileName : QFileInfo(commandLine).absoluteFilePath();
    m_fileName = path;
    // Read once, checking as it reads: the game and the title change only
    // when the whole file has been read.
    GameFileContent content;
    if (ValidateGameFile(path, &content)) {
        putInForce(content);
        setDocumentFile(path);
        m_folder = ExtractFolder(path);
        return;
    }
    if (path.isEmpty())
        return;
    m_seams.prompter.message(this, Prompter::Icon::Exclamation, Prompter::Buttons::Ok, ApplicationTitle(),
                             printablePath(path) + QStringLiteral("\r\n\r\n") +
                                 tr("File not found or file is not a valid game file."));
    m_fileName.clear();
    m_folder = defaultGameFolder();
}

QString MachineWindow::keptGamePath() const
{
    const QFileInfo settings(m_seams.openSettings()->fileName());
    return QDir(settings.absolutePath()).filePath(ApplicationTitle() + QStringLiteral(" recovery.shs"));
}

void MachineWindow::keepChangedGame()
{
    if (!m_game.GameChanged)
        return;
    try {
        writeKeptGame(keptGamePath(), {documentContent(), m_hasFile ? m_fileName : QString()});
    } catch (const std::exception&) {
        // The run is ending and nobody can be asked: nothing more to do.
    }
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
    putInForce(kept->content);
    // Under its old name and still to be saved: its file holds the game as
    // it was before.
    m_fileName = kept->file;
    setDocumentFile(kept->file);
    if (!kept->file.isEmpty())
        m_folder = ExtractFolder(kept->file);
    m_game.GameChanged = true;
    return true;
}

// Form_QueryUnload: true when the window may close. A closing desktop
// session may forbid questions; it cannot be kept open by a cancelled Save
// dialog either, only asked to stop (see commitData). Without questions, a
// changed game is kept for the next start and no box is shown: there may be
// nobody, or no window, to see it.
bool MachineWindow::queryUnload(CloseReason reason)
{
    WaitCursor cursor;
    const bool session = reason != CloseReason::Window;
    const bool mayAsk = reason != CloseReason::SessionWithoutQuestions;
    bool cancel = false;
    try {
        m_sound.StopWave();
        ShowHelp(m_seams.help, this, HelpCommand::Quit, 0);
        if (m_game.GameChanged && !mayAsk)
            keepChangedGame();
        if (m_game.GameChanged && mayAsk) {
            switch (m_gameMenuCommands.askToSaveChanges()) {
            case GameMenu::Question::Yes:
                switch (m_gameMenuCommands.saveCurrentGame()) {
                case GameMenu::Saving::Saved: break;
                case GameMenu::Saving::Cancelled: return session; // stay, and save no settings
                case GameMenu::Saving::Failed: cancel = true; break; // keep the game that could not be written
                }
                break;
            case GameMenu::Question::No: break;
            case GameMenu::Question::Cancel: cancel = true; break;
            }
        }
        // Start-up has told the player that the settings cannot be kept.
        if (m_seams.settingsKept)
            saveSettings();
    } catch (const std::exception& e) {
        if (mayAsk)
            ShowError(m_seams.prompter, this, e, tr("Unloading"));
    }
    return !cancel;
}

bool MachineWindow::sessionClosing(bool mayAsk)
{
    if (m_machine->isBusy()) {
        m_sessionPending = true;
        return true;
    }
    const bool mayClose = queryUnload(mayAsk ? CloseReason::Session : CloseReason::SessionWithoutQuestions);
    if (mayClose)
        m_sessionClosedOn = gameState();
    return mayClose;
}

void MachineWindow::endWithoutWindow()
{
    m_windowGone = true;
    if (!m_machine->isBusy())
        operationEnded();
}

// The outermost operation has booked everything: what waited for it runs.
void MachineWindow::operationEnded()
{
    if (std::exchange(m_sessionPending, false)) {
        queryUnload(CloseReason::SessionWithoutQuestions);
        m_sessionClosedOn = gameState();
    }
    if (m_windowGone) {
        if (!m_endingAtOnce) {
            queryUnload(CloseReason::SessionWithoutQuestions);
            endAtOnce();
        }
        return;
    }
    if (m_closePending)
        QTimer::singleShot(0, this, &QWidget::close);
}

void MachineWindow::commitData(QSessionManager& manager)
{
    if (!sessionClosing(manager.allowsInteraction()))
        manager.cancel(); // the player wants the game kept: ask the session to stop
    manager.release();
}

} // namespace strhaven
