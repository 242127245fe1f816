// Start-up and shutdown of the main window: Form_Load (also the new-game
// operation), the settings it applies, the game named on the command line
// or played last, and the questions asked when the window closes.
#include "Form1.h"

#include "AppTitle.h"
#include "DesktopIntegration.h"
#include "Art.h"
#include "ErrorReport.h"
#include "WaitCursor.h"
#include "HelpViewer.h"
#include "MachineFace.h"
#include "PathHelpers.h"
#include "Prompter.h"
#include "SettingsStore.h"
#include "SlotMachine.h"
#include "WindowPlacement.h"
#include "WindowTitle.h"

#include <QAction>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSessionManager>
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

void Form1::Form_Load()
{
    try {
        WaitCursor cursor;
        std::unique_ptr<QSettings> store = m_seams.openSettings();
        if (readFirstTime(*store)) {
            m_seams.desktop.WriteUninstallLog(this);
            m_seams.desktop.RegisterFileType(this);
            // Done once, whatever the two steps managed.
            writeFirstTimeDone(*store);
        }
        m_game.GameChanged = false;
        setWindowTitle(untitledTitle());
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
        if (!m_formLoadedOnce)
            openStartupGame();
        m_formLoadedOnce = true;
    } catch (const std::exception& e) {
        ShowError(m_seams.prompter, this, e, tr("Error Loading Program"));
    }
}

void Form1::applySettings(const StoredSettings& storedSettings)
{
    if (!m_formLoadedOnce) {
        // A position stored on a monitor that is gone, or a damaged one,
        // must not put the window where nobody can see it.
        const QPoint stored = QPoint(twipsToPixels(storedSettings.windowLeft), twipsToPixels(storedSettings.windowTop));
        move(keptOnScreen(QRect(stored, frameGeometry().size()), availableScreenAreas()));
    }
    if (storedSettings.payoutsHidden != m_hidePanel->isChecked())
        m_hidePanel->trigger();
    m_options = storedSettings.options;
    m_fileName = storedSettings.lastFile;
    m_game.Grid = storedSettings.wheel;
}

StoredSettings Form1::settingsToStore() const
{
    StoredSettings s;
    s.windowTop = pixelsToTwips(y());
    s.windowLeft = pixelsToTwips(x());
    s.payoutsHidden = m_hidePanel->isChecked();
    s.options = m_options;
    s.lastFile = m_fileName;
    s.wheel = m_game.Grid;
    return s;
}

void Form1::openStartupGame()
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
        setWindowTitle(titleFor(path));
        m_folder = ExtractFolder(path);
        return;
    }
    if (path.isEmpty())
        return;
    m_seams.prompter.message(this, Prompter::Icon::Exclamation, Prompter::Buttons::Ok, ApplicationTitle(),
                             path + QStringLiteral("\r\n\r\n") +
                                 tr("File not found or file is not a valid game file."));
    m_fileName.clear();
    m_folder = defaultGameFolder();
}

// Form_QueryUnload: true when the window may close. A closing desktop
// session may forbid questions; it cannot be kept open by a cancelled Save
// dialog either, only asked to stop (see commitData).
bool Form1::queryUnload(CloseReason reason)
{
    WaitCursor cursor;
    const bool session = reason != CloseReason::Window;
    bool cancel = false;
    try {
        m_sound.StopWave();
        ShowHelp(m_seams.help, this, HelpCommand::Quit, 0);
        if (m_game.GameChanged && reason != CloseReason::SessionWithoutQuestions) {
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
        saveSettings();
    } catch (const std::exception& e) {
        ShowError(m_seams.prompter, this, e, tr("Unloading"));
    }
    return !cancel;
}

void Form1::endWithoutWindow()
{
    queryUnload(CloseReason::SessionWithoutQuestions);
    QCoreApplication::quit();
}

void Form1::commitData(QSessionManager& manager)
{
    const bool mayClose = sessionClosing(manager.allowsInteraction());
    if (!mayClose)
        manager.cancel(); // the player wants the game kept: ask the session to stop
    else
        m_sessionCommitted = true;
    manager.release();
}

} // namespace strhaven
