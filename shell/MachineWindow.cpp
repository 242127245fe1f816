#include "shell/MachineWindow.h"

#include "assets/art/Art.h"
#include "files/GameFile.h"
#include "files/KeptGame.h"
#include "files/PathHelpers.h"
#include "play/CashOutButtonDialog.h"
#include "play/KeyboardPlay.h"
#include "play/MachineFace.h"
#include "play/MachineOperator.h"
#include "play/ShortcutChart.h"
#include "play/StatisticsDialog.h"
#include "seams/ErrorReport.h"
#include "seams/HelpViewer.h"
#include "seams/ProgramFolder.h"
#include "settings/GameOptionsDialog.h"
#include "settings/SettingsStore.h"
#include "shell/AboutDialog.h"
#include "shell/GameInPlay.h"
#include "shell/RunEnd.h"
#include "shell/RunStart.h"
#include "shell/WindowPlacement.h"
#include "widgets/OverrideCursor.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QTimer>

namespace strhaven {

namespace {

constexpr int PanelWidth = 270;

int screenWidth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

} // namespace

MachineWindow::MachineWindow(MachineWindowSeams seams, QWidget* parent)
    : QMainWindow(parent)
    , m_seams(std::move(seams))
    , m_settingsFile(m_seams.openSettings()->fileName())
    , m_journal(strhaven::keptGamePath(m_settingsFile))
    , m_machine(m_seams.random)
    , m_sound(m_seams.soundOutput)
    , m_gameMenuCommands(m_machine, m_seams.prompter, this)
    , m_helpMenuCommands({m_seams.prompter, m_seams.help, m_seams.opener, this, programFolder(),
                          [this] {
                              ShortcutChart chart(this);
                              chart.exec();
                          },
                          [this] {
                              AboutDialog about(this);
                              about.exec();
                          }})
    , m_registration(m_seams.desktop, m_seams.settingsKept)
{
    setObjectName("MachineWindow");
    // Drawn at six sizes, the icon costs more than the rest of the window;
    // the splash is up by the time the event loop draws it.
    QTimer::singleShot(0, this, [this] { setWindowIcon(art::programIcon()); });
    m_drawingArea = new QWidget(this);
    m_drawingArea->setFixedSize(art::FaceSize);
    setCentralWidget(m_drawingArea);
    m_face = new MachineFace(m_machine.payTable(), m_drawingArea);
    m_operator = std::make_unique<MachineOperator>(
        MachineOperator::Parts{m_machine, m_sound, m_seams.stepTimer, m_seams.prompter}, *m_face);
    connect(m_operator.get(), &MachineOperator::busyChanged, this, [this](bool busy) {
        setMenusEnabled(!busy);
        if (!busy)
            recordGame(); // booked
    });
    connect(m_face, &MachineFace::cashOutClicked, this, &MachineWindow::cashOut);
    m_keyboard = std::make_unique<KeyboardPlay>(KeyboardPlay::Parts{
        *m_operator, *m_face, m_seams.help, m_seams.keyboard, this,
        [this] { cashOut(); }});
    connect(&m_gameMenuCommands, &GameMenu::titleChanged, this, &QWidget::setWindowTitle);
    connect(&m_gameMenuCommands, &GameMenu::gameReplaced, this, [this] {
        showWholeGame();
        recordGame();
    });
    connect(&m_gameMenuCommands, &GameMenu::gameSaved, this, &MachineWindow::recordGame);
    connect(&m_gameMenuCommands, &GameMenu::newGameWanted, this, &MachineWindow::startNewGame);
    const GameInPlay inPlay{*this, m_machine, *m_operator, m_gameMenuCommands, m_seams.prompter, m_journal};
    m_runStart = std::make_unique<RunStart>(inPlay, m_seams.commandLine, m_settingsFile, [this] { return hasEnded(); });
    m_runEnd = std::make_unique<RunEnd>(inPlay, RunEnd::Parts{m_sound, m_seams.help, [this] { writeSettings(); },
                                                              m_seams.settingsKept, m_seams.endProgram});
    createActions();
    // Fixed size: the window follows the drawing area and cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    m_gameMenuCommands.setUntitled();
    qApp->installEventFilter(this);
}

MachineWindow::~MachineWindow()
{
    qApp->removeEventFilter(this);
}

void MachineWindow::startNewGame()
{
    try {
        OverrideCursor cursor(Qt::WaitCursor);
        std::unique_ptr<QSettings> store = m_seams.openSettings();
        m_registration.registerOnce(*store, this);
        m_gameMenuCommands.setUntitled();
        // Every new game lays the face out anew at full width, then keeps
        // the panel as its check mark shows; the stored setting below brings
        // the mark in line when they differ.
        m_drawingArea->setFixedWidth(art::FaceSize.width());
        m_face->layOut();
        if (m_hidePanel->isChecked())
            hidePayoutsPanel();
        const StoredSettings stored = LoadSettings(*store, screenWidth());
        readSettings(stored);
        m_machine.startNewGame(stored.options, stored.wheel);
        // The $5 slot follows the machine, so a new game after a Two or Five
        // Dollars game takes $5 bills again.
        showWholeGame();
        m_gameMenuCommands.setFolder(defaultGameFolder());
        const bool startUp = !m_started;
        if (startUp)
            m_runStart->openFirstGame();
        m_started = true;
        recordGame();
        // A new game shows nothing new to a reader but its title.
        if (!startUp)
            m_face->announce(windowTitle());
    } catch (const std::exception& e) {
        ShowError(m_seams.prompter, this, e, tr("Error Loading Program"));
    }
}

void MachineWindow::readSettings(const StoredSettings& storedSettings)
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

void MachineWindow::createActions()
{
    m_gameMenu = menuBar()->addMenu(tr("&Game"));
    m_gameMenu->setObjectName("GameMenu");
    auto add = [this](const QString& caption, const QKeySequence& keys, std::function<void()> command) {
        QAction* a = m_gameMenu->addAction(caption);
        a->setShortcut(keys);
        connect(a, &QAction::triggered, this, std::move(command));
        return a;
    };
    // The file commands report their own failures; the others run under the
    // window's trap with their own titles.
    auto trap = [this](const QString& title, std::function<void()> command) {
        return [this, title, command] { runCommand(m_seams.prompter, this, title, command); };
    };
    add(tr("&New Game"), QKeySequence(Qt::CTRL | Qt::Key_N), [this] { m_gameMenuCommands.newGame(); });
    add(tr("&Open Game"), QKeySequence(Qt::CTRL | Qt::Key_O), [this] { m_gameMenuCommands.openGame(); });
    m_gameMenu->addSeparator();
    add(tr("&Save Game"), QKeySequence(Qt::CTRL | Qt::Key_S), [this] { m_gameMenuCommands.saveGame(); });
    add(tr("Save Game &As"), {}, [this] { m_gameMenuCommands.saveGameAs(); });
    m_gameMenu->addSeparator();
    add(tr("Current &Games Statistics"), QKeySequence(Qt::CTRL | Qt::Key_G),
        trap(tr("Error displaying statistics."), [this] { showStatistics(); }));
    add(tr("Game O&ptions"), {}, trap(tr("Error setting options."), [this] { showOptions(); }));
    add(tr("&Configure Cash Out Button"), {}, trap(tr("Error configuring button"), [this] { showCashOutDialog(); }));
    m_gameMenu->addSeparator();
    // The action inverts its check mark before the command runs.
    m_hidePanel = add(tr("&Hide Payouts Panel"), QKeySequence(Qt::CTRL | Qt::Key_H),
                      trap(tr("Error hiding panel."), [this] { hidePayoutsPanel(); }));
    m_hidePanel->setCheckable(true);
    m_gameMenu->addSeparator();
    add(tr("E&xit"), {}, trap(tr("Error exiting."), [this] { close(); }));
    createHelpMenu();
}

void MachineWindow::createHelpMenu()
{
    m_helpMenu = menuBar()->addMenu(tr("&Help"));
    m_helpMenu->setObjectName("HelpMenu");
    auto addEntries = [this](QMenu* menu, const std::vector<HelpMenu::Entry>& entries) {
        for (const HelpMenu::Entry& entry : entries) {
            if (entry.caption.isEmpty()) {
                menu->addSeparator();
            } else if (entry.command) {
                QAction* a = menu->addAction(entry.caption);
                a->setShortcut(entry.shortcut);
                connect(a, &QAction::triggered, this, [this, command = entry.command] { command(m_helpMenuCommands); });
            } else {
                QMenu* web = menu->addMenu(entry.caption);
                web->setObjectName("WebMenu");
                for (const HelpMenu::Entry& page : HelpMenu::webEntries()) {
                    QAction* a = web->addAction(page.caption);
                    connect(a, &QAction::triggered, this, [this, command = page.command] { command(m_helpMenuCommands); });
                }
            }
        }
    };
    addEntries(m_helpMenu, HelpMenu::menuEntries());
}

void MachineWindow::setMenusEnabled(bool enabled)
{
    m_gameMenu->menuAction()->setEnabled(enabled);
    m_helpMenu->menuAction()->setEnabled(enabled);
    // Shortcuts of a disabled menu's items must not fire either.
    for (QMenu* menu : {m_gameMenu, m_helpMenu})
        for (QAction* a : menu->actions())
            a->setEnabled(enabled);
}

void MachineWindow::hidePayoutsPanel()
{
    if (m_hidePanel->isChecked()) {
        m_drawingArea->setFixedWidth(m_drawingArea->width() - PanelWidth);
        m_face->move(m_face->x() - PanelWidth, 0);
    } else {
        m_drawingArea->setFixedWidth(art::FaceSize.width());
        m_face->move(0, 0);
    }
    m_face->setPayTableShown(!m_hidePanel->isChecked());
    if (m_started)
        m_face->announce(m_hidePanel->isChecked() ? tr("Payouts panel hidden") : tr("Payouts panel shown"));
}

void MachineWindow::showWholeGame()
{
    m_operator->showGame();
    m_operator->showMachine();
}

void MachineWindow::showStatistics()
{
    StatisticsDialog dialog(m_machine.game(), m_machine.options(), m_seams.help, this);
    dialog.exec();
}

void MachineWindow::showOptions()
{
    GameOptionsDialog dialog(m_machine.options(), m_seams.help, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const OptionsChange change = m_machine.changeOptions(dialog.chosen());
    recordGame();
    if (change.credits)
        m_operator->showCredits(true);
    m_operator->showMachine();
    m_face->announceDisplays();
    if (change.credits)
        m_face->announce(m_operator->creditsText());
    // A store that cannot be written is reported under the command's title;
    // the options are in force for this run.
    OverrideCursor cursor(Qt::WaitCursor);
    writeSettings();
}

void MachineWindow::showCashOutDialog()
{
    // Made when first wanted, then kept for the rest of the run.
    if (!m_cashOutDialog)
        m_cashOutDialog = std::make_unique<CashOutButtonDialog>(m_seams.help, this);
    if (!m_cashOutDialog->ask(m_machine.options()))
        return;
    m_machine.changeCashOut(m_cashOutDialog->chosenCashOut(), m_cashOutDialog->chosenShowStats());
    recordGame();
    OverrideCursor cursor(Qt::WaitCursor);
    writeSettings();
}

void MachineWindow::cashOut()
{
    // The button takes no clicks while the machine is busy; the keyboard
    // and a screen reader come here too and must find it idle as well.
    if (!m_operator->isIdle())
        return;
    if (m_machine.options().showStats)
        showStatistics();
    {
        OverrideCursor cursor(Qt::WaitCursor);
        writeSettingsReporting(tr("Error saving settings."));
    }
    if (m_machine.options().cashOut == CashOutAction::NewGame)
        startNewGame();
    else
        m_runEnd->cashOutExit();
}

void MachineWindow::writeSettingsReporting(const QString& errorTitle)
{
    runCommand(m_seams.prompter, this, errorTitle, [this] { writeSettings(); });
}

void MachineWindow::writeSettings()
{
    std::unique_ptr<QSettings> store = m_seams.openSettings();
    SaveSettings(*store, settingsToStore(), isMinimized() || !canPlaceWindows());
}

bool MachineWindow::sessionClosing(bool mayAsk) { return m_runEnd->sessionClosing(mayAsk); }

void MachineWindow::endWithoutQuestions() { m_runEnd->endWithoutQuestions(); }

bool MachineWindow::hasEnded() const { return m_runEnd->hasEnded(); }

void MachineWindow::recordGame() { strhaven::recordGame(m_journal, m_machine, m_gameMenuCommands); }

void MachineWindow::closeEvent(QCloseEvent* event)
{
    if (m_runEnd->windowClosing())
        event->accept();
    else
        event->ignore();
}

bool MachineWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    // Only keys meant for this window: a dialog's keys are its own.
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this || !isActiveWindow())
        return false;
    return m_keyboard->keyEvent(*static_cast<QKeyEvent*>(event));
}

} // namespace strhaven
