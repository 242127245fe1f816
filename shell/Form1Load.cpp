// Start-up and shutdown of the main window: Form_Load (also the new-game
// operation), the settings it applies, the game named on the command line
// or played last, and the questions asked when the window closes.
#include "Form1.h"

#include "AppTitle.h"
#include "ErrorReport.h"
#include "WaitCursor.h"
#include "HelpViewer.h"
#include "MachineFace.h"
#include "PathHelpers.h"
#include "Prompter.h"
#include "SettingsStore.h"
#include "SlotMachine.h"
#include "WindowTitle.h"

#include <QAction>
#include <QCursor>
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
    return docs.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::HomeLocation) : docs;
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
        if (readFirstTime(*store))
            writeFirstTimeDone(*store);
        m_game.GameChanged = false;
        setWindowTitle(untitledTitle());
        // Every new game lays the face out anew at full width, then keeps
        // the panel as its check mark shows; the stored setting below brings
        // the mark in line when they differ.
        m_drawingArea->setFixedWidth(MachineFace::FaceSize.width());
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

void Form1::applySettings(const StoredSettings& stored)
{
    if (!m_formLoadedOnce)
        move(twipsToPixels(stored.windowLeft), twipsToPixels(stored.windowTop));
    if (stored.payoutsHidden != m_hidePanel->isChecked())
        m_hidePanel->trigger();
    m_options = stored.options;
    m_fileName = stored.lastFile;
    m_game.Grid = stored.wheel;
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
    const QString path = commandLine.isEmpty() ? m_fileName : commandLine;
    m_fileName = path;
    if (ValidateGameFile(path)) {
        GameFileContent content;
        if (TransferGameFile(path, TransferFlag::Read, content, m_seams.prompter, this))
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

// Form_QueryUnload: true when the window may close.
bool Form1::queryUnload()
{
    WaitCursor cursor;
    bool cancel = false;
    try {
        m_sound.StopWave();
        ShowHelp(m_seams.help, this, 2, 0);
        if (m_game.GameChanged) {
            switch (m_gameMenuCommands.askToSaveChanges()) {
            case GameMenu::Question::Yes:
                if (!m_gameMenuCommands.saveCurrentGame())
                    return false; // the Save dialog was cancelled: stay, save no settings
                break;
            case GameMenu::Question::No: break;
            case GameMenu::Question::Cancel: cancel = true; break;
            }
        }
        std::unique_ptr<QSettings> store = m_seams.openSettings();
        SaveSettings(*store, settingsToStore(), isMinimized());
    } catch (const std::exception& e) {
        ShowError(m_seams.prompter, this, e, tr("Unloading"));
    }
    return !cancel;
}

} // namespace strhaven
