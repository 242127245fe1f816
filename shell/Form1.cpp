#include "Form1.h"

#include "AppTitle.h"
#include "Art.h"
#include "ErrorReport.h"
#include "HelpViewer.h"
#include "MachineFace.h"
#include "SettingsStore.h"
#include "SlotMachine.h"
#include "WindowTitle.h"
#include "frmGameStats.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QSettings>
#include <QTimer>

namespace strhaven {

namespace {
constexpr int PanelWidth = 270;
} // namespace

Form1::Form1(Form1Seams seams, QWidget* parent)
    : QMainWindow(parent)
    , m_seams(std::move(seams))
    , m_payTable(BuildPayTable())
    , m_sound(m_seams.soundOutput, m_seams.pacer)
    , m_gameMenuCommands(*this, m_seams.prompter)
{
    setObjectName("Form1");
    setWindowIcon(art::programIcon());
    m_drawingArea = new QWidget(this);
    m_drawingArea->setFixedSize(MachineFace::FaceSize);
    setCentralWidget(m_drawingArea);
    m_face = new MachineFace(m_payTable, m_drawingArea);
    m_machine = std::make_unique<SlotMachine>(SlotMachine::Parts{m_game, m_options, m_strip, m_payTable,
                                                                 m_seams.random, m_sound, m_seams.pacer,
                                                                 m_seams.prompter},
                                              *m_face);
    connect(m_machine.get(), &SlotMachine::busyChanged, this, [this](bool busy) { setMenusEnabled(!busy); });
    connect(m_machine.get(), &SlotMachine::operationFinished, this, [this] {
        if (m_closePending)
            QTimer::singleShot(0, this, &QWidget::close);
    });
    createActions();
    // Fixed size: the window follows the drawing area and cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    setWindowTitle(untitledTitle());
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &Form1::commitData);
}

Form1::~Form1() = default;

void Form1::createActions()
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
    m_gameMenu->addSeparator();
    // The action inverts its check mark before the command runs.
    m_hidePanel = add(tr("&Hide Payouts Panel"), QKeySequence(Qt::CTRL | Qt::Key_H),
                      trap(tr("Error hiding panel."), [this] { HidePayoutsPanel(); }));
    m_hidePanel->setCheckable(true);
    m_gameMenu->addSeparator();
    add(tr("E&xit"), {}, trap(tr("Error exiting."), [this] { close(); }));

    m_helpMenu = menuBar()->addMenu(tr("&Help"));
    m_helpMenu->setObjectName("HelpMenu");
    QAction* topics = m_helpMenu->addAction(tr("Help &Topics"));
    connect(topics, &QAction::triggered, this,
            trap(tr("Error displaying Help."), [this] { ShowHelp(m_seams.help, this, HelpCommand::Contents, 0); }));
}

void Form1::trapped(const QString& title, const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& e) {
        ShowError(m_seams.prompter, this, e, title);
    }
}

void Form1::setMenusEnabled(bool enabled)
{
    m_gameMenu->menuAction()->setEnabled(enabled);
    m_helpMenu->menuAction()->setEnabled(enabled);
    // Shortcuts of a disabled menu's items must not fire either.
    for (QAction* a : m_gameMenu->actions())
        a->setEnabled(enabled);
    for (QAction* a : m_helpMenu->actions())
        a->setEnabled(enabled);
}

void Form1::HidePayoutsPanel()
{
    if (m_hidePanel->isChecked()) {
        m_drawingArea->setFixedWidth(m_drawingArea->width() - PanelWidth);
        m_face->move(m_face->x() - PanelWidth, 0);
    } else {
        m_drawingArea->setFixedWidth(MachineFace::FaceSize.width());
        m_face->move(0, 0);
    }
}

void Form1::showStatistics()
{
    frmGameStats dialog(m_game, m_options, m_seams.help, this);
    dialog.exec();
}

GameFileContent Form1::documentContent() const { return gameFileContent(m_options, m_game); }

void Form1::putInForce(const GameFileContent& content)
{
    applyGameFile(content, m_options, m_game);
    m_machine->showGame();
    m_machine->showMachine();
    SetPayout(m_strip, m_options.Payout);
}

void Form1::closeEvent(QCloseEvent* event)
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
    // The session's close has asked and saved already.
    if (std::exchange(m_sessionCommitted, false) || queryUnload(CloseReason::Window))
        event->accept();
    else
        event->ignore();
}

} // namespace strhaven
