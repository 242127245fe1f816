#pragma once

#include "core/Machine.h"
#include "files/GameJournal.h"
#include "files/GameMenu.h"
#include "play/SoundPlayer.h"
#include "shell/FirstRunRegistration.h"
#include "shell/HelpMenu.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QMenu;
class QSettings;

namespace strhaven {

class CashOutButtonDialog;
class DesktopIntegration;
class DocumentOpener;
class HelpViewer;
class KeyboardPlay;
class KeyboardState;
class MachineFace;
class MachineOperator;
class RunEnd;
class RunStart;
class Prompter;
class RandomSource;
class SoundOutput;
class StepTimer;
struct StoredSettings;

// What the main window needs from the outside, filled by main.cpp with the
// real things and by the tests with fakes.
struct MachineWindowSeams {
    Prompter& prompter;
    SoundOutput& soundOutput;
    StepTimer& stepTimer; // when a long operation's next step is due
    HelpViewer& help;
    RandomSource& random;
    DocumentOpener& opener;
    DesktopIntegration& desktop; // what the first run registers
    KeyboardState& keyboard;     // whether a key is still held
    std::function<std::unique_ptr<QSettings>()> openSettings;
    // The whole command line: the path of a game file to open, or empty.
    QString commandLine;
    // Ends the program at once with this exit status (the Cash Out button's
    // "Exit"); the event loop's exit when empty.
    std::function<void(int)> endProgram = {};
    // False when start-up found that the settings cannot be written and has
    // told the player so: closing then writes nothing and says nothing more.
    bool settingsKept = true;
};

// The main window: the menu bar over the machine face. It holds the machine
// with the one game of the run, its menus and actions, and the window's own
// events; the run's start and end are RunStart's and RunEnd's.
class MachineWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MachineWindow(MachineWindowSeams seams, QWidget* parent = nullptr);
    ~MachineWindow() override;

    // Start-up initialisation, and the new-game operation: the first run's
    // registration, the face laid out anew, the stored settings, a new game
    // at zero; at start-up, then, the first game of the run.
    void startNewGame();
    // Shows or hides the printed pay table (its menu item's check mark is the
    // state): hiding is relative to the present layout, showing absolute.
    void hidePayoutsPanel();
    // The Cash Out button: statistics first when wanted, the settings saved,
    // then a new game or the end of the program, without the changed-game
    // question (the configuration dialog warns of that).
    void cashOut();

    // A closing desktop session: true when it may go on (see RunEnd).
    bool sessionClosing(bool mayAsk);
    // The window was taken away from outside, or a signal asks the program
    // to end: the run ends without a question (see RunEnd).
    void endWithoutQuestions();
    // The run is over (the window closed, or the program ending).
    bool hasEnded() const;
    // Where the changed game is kept, the journal of the game: beside the
    // settings, never over the game's own file.
    QString keptGamePath() const { return m_journal.path(); }

    // The machine, for what the player does through the windows' own
    // commands (the benchmark, the tests).
    Machine& machine() { return m_machine; }
    MachineFace& face() { return *m_face; }
    MachineOperator& machineOperator() { return *m_operator; }
    QWidget& drawingArea() { return *m_drawingArea; }
    GameMenu& gameMenuCommands() { return m_gameMenuCommands; }
    GameJournal& journal() { return m_journal; }
    QMenu* gameMenu() const { return m_gameMenu; }
    QMenu* helpMenu() const { return m_helpMenu; }
    QAction* hidePanelAction() const { return m_hidePanel; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // Keys reach the game whatever control has the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void createHelpMenu();
    void setMenusEnabled(bool enabled);
    void showStatistics();
    void showOptions();
    void showCashOutDialog();
    // The machine's whole game on the face: credits, displays, symbols,
    // denomination.
    void showWholeGame();
    // The game as it stands, into the journal.
    void recordGame();

    // The stored settings a new game brings: the panel, the last file and,
    // at start-up, the window's place.
    void readSettings(const StoredSettings& stored);
    void restorePosition(const QPoint& frame);
    // SaveSettings; throws RunError when the store cannot be written.
    void writeSettings();
    // The same, reporting a failure under the given title.
    void writeSettingsReporting(const QString& errorTitle);
    StoredSettings settingsToStore() const;

    MachineWindowSeams m_seams;
    QString m_settingsFile;
    GameJournal m_journal;
    Machine m_machine;
    SoundPlayer m_sound;
    GameMenu m_gameMenuCommands;
    HelpMenu m_helpMenuCommands;
    FirstRunRegistration m_registration;
    QWidget* m_drawingArea = nullptr;
    MachineFace* m_face = nullptr;
    // Owned here, not by Qt's child list, so it goes before the members it
    // works on; as a child it would outlive them by the whole member teardown.
    std::unique_ptr<MachineOperator> m_operator;
    std::unique_ptr<KeyboardPlay> m_keyboard;
    std::unique_ptr<RunStart> m_runStart;
    std::unique_ptr<RunEnd> m_runEnd;
    // One for the whole run: its pending choice lives across showings.
    std::unique_ptr<CashOutButtonDialog> m_cashOutDialog;
    QMenu* m_gameMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QAction* m_hidePanel = nullptr;
    bool m_started = false; // the first game of the run has started
};

} // namespace strhaven
