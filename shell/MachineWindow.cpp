#include "shell/MachineWindow.h"

#include "seams/AppTitle.h"
#include "assets/art/Art.h"
#include "seams/ErrorReport.h"
#include "seams/HelpViewer.h"
#include "play/MachineFace.h"
#include "settings/SettingsStore.h"
#include "play/SlotMachine.h"
#include "files/WindowTitle.h"
#include "play/KeyboardPlay.h"
#include "seams/ProgramFolder.h"
#include "widgets/WaitCursor.h"
#include "shell/AboutDialog.h"
#include "play/CashOutButtonDialog.h"
#include "play/StatisticsDialog.h"
#include "settings/GameOptionsDialog.h"
#include "play/ShortcutChart.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QGuiApplication>
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
    , m_payTable(BuildPayTable())
    , m_sound(m_seams.soundOutput, m_seams.pacer)
    , m_gameMenuCommands(*this, m_seams.prompter)
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
    m_face = new MachineFace(m_payTable, m_drawingArea);
    m_machine = std::make_unique<SlotMachine>(SlotMachine::Parts{m_game, m_options, m_strip, m_payTable,
                                                                 m_seams.random, m_sound, m_seams.pacer,
                                                                 m_seams.prompter},
                                              *m_face);
    connect(m_machine.get(), &SlotMachine::busyChanged, this, [this](bool busy) { setMenusEnabled(!busy); });
    connect(m_machine.get(), &SlotMachine::operationFinished, this, &MachineWindow::operationEnded);
    connect(m_face, &MachineFace::cashOutMouseDown, this, &MachineWindow::imgCashOut_MouseDown);
    connect(m_face, &MachineFace::cashOutMouseUp, this, &MachineWindow::imgCashOut_MouseUp);
    m_keyboard = std::make_unique<KeyboardPlay>(KeyboardPlay::Parts{*m_machine, *m_face, m_seams.help, m_seams.keyboard, this,
                                                                    [this](int button, int shift) { imgCashOut_MouseUp(button, shift); }});
    createActions();
    // Fixed size: the window follows the drawing area and cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    setFocusPolicy(Qt::StrongFocus);
    setDocumentFile({});
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
        return [this, title, command] { trapped(title, command); };
    };
    add(tr("&New Game"), QKeySequence(Qt::CTRL | Qt::Key_N), [this] { m_gameMenuCommands.NewGame(); });
    add(tr("&Open Game"), QKeySequence(Qt::CTRL | Qt::Key_O), [this] { m_gameMenuCommands.OpenGame(); });
    m_gameMenu->addSeparator();
    add(tr("&Save Game"), QKeySequence(Qt::CTRL | Qt::Key_S), [this] { m_gameMenuCommands.SaveGame(); });
    add(tr("Save Game &As"), {}, [this] { m_gameMenuCommands.SaveGameAs(); });
    m_gameMenu->addSeparator();
    add(tr("Current &Games Statistics"), QKeySequence(Qt::CTRL | Qt::Key_G),
        trap(tr("Error displaying statistics."), [this] { showStatistics(); }));
    add(tr("Game O&ptions"), {}, trap(tr("Error setting options."), [this] { showOptions(); }));
    add(tr("&Configure Cash Out Button"), {}, trap(tr("Error configuring button"), [this] { showCashOutDialog(); }));
    m_gameMenu->addSeparator();
    // The action inverts its check mark before the command runs.
    m_hidePanel = add(tr("&Hide Payouts Panel"), QKeySequence(Qt::CTRL | Qt::Key_H),
                      trap(tr("Error hiding panel."), [this] { HidePayoutsPanel(); }));
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

void MachineWindow::trapped(const QString& title, const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& e) {
        ShowError(m_seams.prompter, this, e, title);
    }
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

void MachineWindow::HidePayoutsPanel()
{
    if (m_hidePanel->isChecked()) {
        m_drawingArea->setFixedWidth(m_drawingArea->width() - PanelWidth);
        m_face->move(m_face->x() - PanelWidth, 0);
    } else {
        m_drawingArea->setFixedWidth(art::FaceSize.width());
        m_face->move(0, 0);
    }
}

void MachineWindow::showStatistics()
{
    StatisticsDialog dialog(m_game, m_options, m_seams.help, this);
    dialog.exec();
}

void MachineWindow::showOptions()
{
    GameOptionsDialog dialog(m_options, m_game, *this, m_seams.help, this);
    dialog.exec();
    // A settings store that could not be written is reported under the
    // command's title once the dialog is gone; the options are in force.
    dialog.rethrowSaveFailure();
}

void MachineWindow::showCashOutDialog()
{
    // Made when first wanted, then kept for the rest of the run.
    if (!m_cashOutDialog)
        m_cashOutDialog = std::make_unique<CashOutButtonDialog>(
            m_options, m_game, m_seams.help, [this] { saveSettingsReporting(tr("Error configuring button")); }, this);
    m_cashOutDialog->exec();
}

void MachineWindow::imgCashOut_MouseDown(int button, int shift)
{
    if (button == 1 && shift == 0)
        m_face->showButtonPicture(0, ImageButton::Picture::Pressed);
}

void MachineWindow::imgCashOut_MouseUp(int button, int shift)
{
    // The button takes no clicks while the machine is busy; the keyboard
    // comes here too and must find it idle as well.
    if (button != 1 || shift != 0 || !m_machine->isIdle())
        return;
    m_face->showButtonPicture(0, ImageButton::Picture::Normal);
    if (m_options.statsFirst())
        showStatistics();
    {
        WaitCursor cursor;
        saveSettingsReporting(tr("Error saving settings."));
    }
    if (m_options.CashOut == "New")
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
    m_sound.StopWave();
    ShowHelp(m_seams.help, this, HelpCommand::Quit, 0);
    hide();
    if (m_seams.endProgram)
        m_seams.endProgram(0);
    else
        QCoreApplication::exit(0);
}

QByteArray MachineWindow::gameState() const
{
    return gameFileBytes(documentContent()) + (m_game.GameChanged ? "changed" : "");
}

void MachineWindow::setDocumentFile(const QString& path)
{
    m_hasFile = !path.isEmpty();
    setWindowTitle(m_hasFile ? titleFor(path) : untitledTitle());
}

void MachineWindow::saveSettingsReporting(const QString& errorTitle)
{
    try {
        saveSettings();
    } catch (const std::exception& e) {
        ShowError(m_seams.prompter, this, e, errorTitle);
    }
}

void MachineWindow::showCredits() { m_machine->showCredits(true); }

void MachineWindow::showMachine() { m_machine->showMachine(); }

void MachineWindow::applyPayout() { SetPayout(m_strip, m_options.Payout); }

void MachineWindow::saveSettings()
{
    std::unique_ptr<QSettings> store = m_seams.openSettings();
    SaveSettings(*store, settingsToStore(), isMinimized());
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

GameFileContent MachineWindow::documentContent() const { return gameFileContent(m_options, m_game); }

void MachineWindow::putInForce(const GameFileContent& content)
{
    applyGameFile(content, m_options, m_game);
    m_machine->showGame();
    m_machine->showMachine();
    SetPayout(m_strip, m_options.Payout);
}

void MachineWindow::closeEvent(QCloseEvent* event)
{
    // A bill, a spin or a payout runs inside its handler; closing in the
    // middle would lose the credits still to count. The window closes as
    // soon as the operation has booked everything.
    if (m_machine->isBusy()) {
        m_closePending = true;
        event->ignore();
        return;
    }
    m_closePending = false;
    // The session's close has asked and saved already, unless the game went
    // on after it; the Cash Out button's "Exit" asks nothing.
    const bool sessionAsked = m_sessionClosedOn && *m_sessionClosedOn == gameState();
    if (m_endingAtOnce || sessionAsked || queryUnload(CloseReason::Window))
        event->accept();
    else
        event->ignore();
}

} // namespace strhaven
