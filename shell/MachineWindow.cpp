#include "shell/MachineWindow.h"

#include "assets/art/Art.h"
#include "files/GameFile.h"
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
#include "shell/WindowPlacement.h"
#include "widgets/OverrideCursor.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QSettings>
#include <QTimer>

namespace strhaven {

namespace {
constexpr int PanelWidth = 270;
} // namespace

MachineWindow::MachineWindow(MachineWindowSeams seams, QWidget* parent)
    : QMainWindow(parent)
    , m_seams(std::move(seams))
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
    connect(m_operator.get(), &MachineOperator::busyChanged, this, [this](bool busy) { setMenusEnabled(!busy); });
    connect(m_face, &MachineFace::cashOutClicked, this, &MachineWindow::cashOut);
    m_keyboard = std::make_unique<KeyboardPlay>(KeyboardPlay::Parts{
        *m_operator, *m_face, m_seams.help, m_seams.keyboard, this,
        [this] { cashOut(); }});
    connect(&m_gameMenuCommands, &GameMenu::titleChanged, this, &QWidget::setWindowTitle);
    connect(&m_gameMenuCommands, &GameMenu::gameReplaced, this, &MachineWindow::showWholeGame);
    connect(&m_gameMenuCommands, &GameMenu::newGameWanted, this, &MachineWindow::startNewGame);
    createActions();
    // Fixed size: the window follows the drawing area and cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    setFocusPolicy(Qt::StrongFocus);
    m_gameMenuCommands.setUntitled();
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &MachineWindow::commitData);
    qApp->installEventFilter(this);
}

MachineWindow::~MachineWindow()
{
    qApp->removeEventFilter(this);
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
    if (change.credits)
        m_operator->showCredits(true);
    m_operator->showMachine();
    m_face->announceDisplays();
    // A store that cannot be written is reported under the command's title;
    // the options are in force for this run.
    OverrideCursor cursor(Qt::WaitCursor);
    saveSettings();
}

void MachineWindow::showCashOutDialog()
{
    // Made when first wanted, then kept for the rest of the run.
    if (!m_cashOutDialog)
        m_cashOutDialog = std::make_unique<CashOutButtonDialog>(m_seams.help, this);
    if (!m_cashOutDialog->ask(m_machine.options()))
        return;
    m_machine.changeCashOut(m_cashOutDialog->chosenCashOut(), m_cashOutDialog->chosenShowStats());
    OverrideCursor cursor(Qt::WaitCursor);
    saveSettings();
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
        saveSettingsReporting(tr("Error saving settings."));
    }
    if (m_machine.options().cashOut == CashOutAction::NewGame)
        startNewGame();
    else
        endAtOnce();
}

// The Cash Out button's "Exit": no question, the settings already written.
// Still a clean end: the sound stops, the help viewer closes, and main()
// releases the single-instance lock as the event loop returns.
void MachineWindow::endAtOnce()
{
    m_endingAtOnce = true;
    m_sound.stop();
    ShowHelp(m_seams.help, this, HelpCommand::Quit, 0);
    hide();
    if (m_seams.endProgram)
        m_seams.endProgram(0);
    else
        QCoreApplication::exit(0);
}

void MachineWindow::saveSettingsReporting(const QString& errorTitle)
{
    runCommand(m_seams.prompter, this, errorTitle, [this] { saveSettings(); });
}

void MachineWindow::saveSettings()
{
    std::unique_ptr<QSettings> store = m_seams.openSettings();
    SaveSettings(*store, settingsToStore(), isMinimized() || !canPlaceWindows());
}

QByteArray MachineWindow::gameState() const
{
    return gameFileBytes(gameFileContent(m_machine.options(), m_machine.game())) +
           (m_machine.game().changed ? "changed" : "");
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
