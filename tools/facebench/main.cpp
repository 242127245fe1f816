// Measures the real window under a real X server: how long a spin takes at
// wheel speed 5 and 0, the share of each phase, the processor time a spin
// uses, and how long a $100 bill takes to count onto a Nickel machine with
// the sounds off. Not a test: run it by hand under Xvfb and read the figures.
#include "platform/DesktopDocumentOpener.h"
#include "desktop/UserDesktopIntegration.h"
#include "platform/DisplayKeyboardState.h"
#include "shell/MachineWindow.h"
#include "seams/HelpViewer.h"
#include "play/MachineFace.h"
#include "platform/RealPacer.h"
#include "platform/QtPrompter.h"
#include "core/RandomSource.h"
#include "play/MachineOperator.h"
#include "seams/SoundOutput.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <cstdio>
#include <map>

using namespace strhaven;

namespace {

class NoSound final : public SoundOutput {
public:
    int deviceCount() override { return 0; }
    void playToEnd(const QByteArray&, std::chrono::milliseconds) override {}
    void playLooping(const QByteArray&) override {}
    void stop() override {}
};

class NoDesktop final : public DesktopIntegration {
public:
    void WriteUninstallLog(QWidget*) override {}
    void RegisterFileType(QWidget*) override {}
};

class NoHelp final : public HelpViewer {
public:
    void showTopic(QWidget*, int) override {}
    void showContents(QWidget*) override {}
    void close() override {}
};

// The real pacer, timing what each pause value's steps take.
class TimingPacer final : public Pacer {
public:
    std::map<std::int32_t, qint64> nanosByUnits;
    std::function<void()> onPause;
    std::function<void()> onEvents;
    void pause(std::int32_t units) override
    {
        if (onPause)
            onPause();
        closeStep();
        m_units = units;
        m_clock.start();
        m_real.pause(units);
    }
    void letEventsRun() override
    {
        if (onEvents)
            onEvents();
        m_real.letEventsRun();
    }
    void closeStep()
    {
        if (m_clock.isValid())
            nanosByUnits[m_units] += m_clock.nsecsElapsed();
        m_clock.invalidate();
    }

private:
    RealPacer m_real;
    QElapsedTimer m_clock;
    std::int32_t m_units = 0;
};

// Calls back at the first paint of any widget.
class PaintWatch final : public QObject {
public:
    explicit PaintWatch(std::function<void(QWidget*)> painted) : m_painted(std::move(painted))
    {
        qApp->installEventFilter(this);
    }
    ~PaintWatch() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            if (auto* w = qobject_cast<QWidget*>(o))
                m_painted(w);
        return false;
    }

private:
    std::function<void(QWidget*)> m_painted;
};

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString ini = dir.filePath("bench.ini");
    QtPrompter prompter;
    NoSound sound;
    TimingPacer pacer;
    NoHelp help;
    FastRandom random(1);
    DesktopDocumentOpener opener;
    NoDesktop desktop;
    DisplayKeyboardState keyboard;
    MachineWindow window({prompter, sound, pacer, help, random, opener, desktop, keyboard,
                  [ini] { return std::make_unique<QSettings>(ini, QSettings::IniFormat); }, QString()});
    window.startNewGame();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    // The options as the Game Options dialog would set them.
    auto setOptions = [&window](auto change) {
        GameOptions options = window.machine().options();
        change(options);
        window.machine().changeOptions(options);
        window.machineOperator().showMachine();
    };
    setOptions([](GameOptions& o) { o.sound = 0; });
    // A $10 bill before each spin, so there is always a credit to bet.
    auto tenCredits = [&window] { window.machineOperator().insertBill(10); };

    for (int speed : {5, 0}) {
        setOptions([speed](GameOptions& o) { o.wheelSpeed = speed; });
        tenCredits();
        pacer.nanosByUnits.clear();
        QElapsedTimer wall;
        const double cpu0 = cpuSeconds();
        wall.start();
        window.machineOperator().playReleased(1, Qt::LeftButton, Qt::NoModifier);
        pacer.closeStep();
        const double seconds = wall.nsecsElapsed() / 1e9;
        const double cpu = cpuSeconds() - cpu0;
        std::printf("spin at wheel speed %d: %.3f s wall, %.3f s CPU (%.1f %%)\n", speed, seconds, cpu,
                    100.0 * cpu / seconds);
        if (speed > 0) {
            double phase[3] = {0, 0, 0};
            int i = 0;
            for (const auto& [units, nanos] : pacer.nanosByUnits)
                phase[i++] = nanos / 1e9;
            std::printf("  phases: %.3f s, %.3f s, %.3f s; ratio %.1f : %.1f : %.1f (binding 135 : 90 : 45)\n", phase[0],
                        phase[1], phase[2], 270.0 * phase[0] / (phase[0] + phase[1] + phase[2]),
                        270.0 * phase[1] / (phase[0] + phase[1] + phase[2]),
                        270.0 * phase[2] / (phase[0] + phase[1] + phase[2]));
        }
    }

    // A key's release to the wheels' first move and to the first new symbol
    // on screen, at wheel speed 5, as the player sees it.
    {
        setOptions([](GameOptions& o) { o.wheelSpeed = 5; });
        tenCredits();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            return 1;
        QElapsedTimer clock;
        qint64 firstMove = -1, firstSymbol = -1;
        pacer.onPause = [&] { if (firstMove < 0) firstMove = clock.nsecsElapsed(); };
        pacer.onEvents = [&] { if (firstSymbol < 0) firstSymbol = clock.nsecsElapsed(); };
        QKeyEvent press(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier);
        QApplication::sendEvent(&window, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_1, Qt::NoModifier);
        clock.start();
        QApplication::sendEvent(&window, &release);
        pacer.onPause = nullptr;
        pacer.onEvents = nullptr;
        std::printf("key 1 released: wheels move after %.2f ms, first new symbol shown after %.2f ms\n",
                    firstMove / 1e6, firstSymbol / 1e6);
    }

    // Game Options chosen to the dialog painted on screen.
    {
        QAction* options = nullptr;
        for (QAction* a : window.gameMenu()->actions())
            if (a->text() == QStringLiteral("Game O&ptions"))
                options = a;
        QElapsedTimer clock;
        qint64 painted = -1;
        PaintWatch watch([&](QWidget* w) {
            if (painted < 0 && w->window()->objectName() == QStringLiteral("GameOptionsDialog")) {
                painted = clock.nsecsElapsed();
                QTimer::singleShot(0, w->window(), [d = w->window()] { d->close(); });
            }
        });
        clock.start();
        options->trigger();
        std::printf("Game Options chosen: dialog painted after %.2f ms\n", painted / 1e6);
    }

    setOptions([](GameOptions& o) { o.machine = 20.0f; });
    const int before = window.machine().game().credits;
    QElapsedTimer wall;
    wall.start();
    window.machineOperator().insertBill(100);
    std::printf("$100 on a Nickel machine, sounds off: %d credits in %.3f s\n", window.machine().game().credits - before,
                wall.nsecsElapsed() / 1e9);
    return 0;
}
