// The pacing benchmark: the real window under a real X server, with the
// real step timer and, where the machine has one, the real sound device.
// For every wheel speed, 0 to 10: how long a spin takes (from the release
// of Play 1 to its booking), the processor time it uses, and how late each
// of its steps comes against the time it was due, median and 99th
// percentile. Then how soon a key's release shows the first step, and how
// long a $100 bill takes to count on a Nickel machine without sound.
// Not a test: run it by hand (under Xvfb, with a loaded machine too) and
// read the figures.
//   strhaven-pacebench [--spins N] [--sound on|off]
#include "core/RandomSource.h"
#include "desktop/UserDesktopIntegration.h"
#include "platform/DesktopDocumentOpener.h"
#include "platform/DisplayKeyboardState.h"
#include "platform/LazySoundOutput.h"
#include "platform/QtPrompter.h"
#include "platform/QtStepTimer.h"
#include "play/MachineFace.h"
#include "play/MachineOperator.h"
#include "seams/HelpViewer.h"
#include "shell/MachineWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

using namespace strhaven;

namespace {

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

// The real step timer, noting how late each step came and when the first
// one after a mark ran.
class TimedSteps final : public StepTimer {
public:
    std::vector<double> lateMs;
    qint64 firstStepAt = -1;
    QElapsedTimer clock;

    void start(std::chrono::nanoseconds delay, std::function<void()> due) override
    {
        m_real.start(delay, [this, due = std::move(due)] {
            lateMs.push_back(double(m_real.lastLateness().count()) / 1e6);
            if (firstStepAt < 0 && clock.isValid())
                firstStepAt = clock.nsecsElapsed();
            due();
        });
    }
    void stop() override { m_real.stop(); }

private:
    QtStepTimer m_real;
};

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(p * double(values.size())))];
}

// Lets the event loop run until the machine is idle again.
void untilIdle(MachineOperator& machine)
{
    if (machine.isIdle())
        return;
    QEventLoop loop;
    QObject::connect(&machine, &MachineOperator::busyChanged, &loop, [&loop](bool busy) {
        if (!busy)
            loop.quit();
    });
    loop.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype spinsAt = args.indexOf(QStringLiteral("--spins"));
    const int spinsPerSpeed = spinsAt > 0 && spinsAt + 1 < args.size() ? args[spinsAt + 1].toInt() : 5;
    const qsizetype soundAt = args.indexOf(QStringLiteral("--sound"));
    const bool soundWanted = !(soundAt > 0 && soundAt + 1 < args.size() && args[soundAt + 1] == QStringLiteral("off"));

    QTemporaryDir dir;
    const QString ini = dir.filePath("bench.ini");
    QtPrompter prompter;
    LazySoundOutput sound;
    TimedSteps steps;
    NoHelp help;
    FastRandom random(1);
    DesktopDocumentOpener opener;
    NoDesktop desktop;
    DisplayKeyboardState keyboard;
    MachineWindow window({prompter, sound, steps, help, random, opener, desktop, keyboard,
                          [ini] { return std::make_unique<QSettings>(ini, QSettings::IniFormat); }, QString()});
    window.startNewGame();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    MachineOperator& machine = window.machineOperator();
    auto setOptions = [&window, &machine](auto change) {
        GameOptions options = window.machine().options();
        change(options);
        window.machine().changeOptions(options);
        machine.showMachine();
    };
    const bool withSound = soundWanted && sound.deviceCount() > 0;
    std::printf("sound %s; %d spins of Play 1 per speed, the same draws at every speed\n",
                withSound ? "on" : "off (none wanted, or no device)", spinsPerSpeed);

    for (int speed = 0; speed <= 10; ++speed) {
        setOptions([speed, withSound](GameOptions& o) {
            o.wheelSpeed = speed;
            o.sound = withSound;
        });
        std::vector<double> seconds;
        double cpu = 0, wall = 0;
        steps.lateMs.clear();
        std::string won;
        for (int spin = 0; spin < spinsPerSpeed; ++spin) {
            SlotGame game = window.machine().game();
            game.credits = 100;
            game.grid = ReelGrid::defaultGrid();
            window.machine().takeGame(window.machine().options(), game);
            machine.showGame();
            random = FastRandom(1000 + std::uint64_t(spin));
            QElapsedTimer clock;
            const double cpuBefore = cpuSeconds();
            clock.start();
            machine.play(1);
            untilIdle(machine);
            seconds.push_back(double(clock.nsecsElapsed()) / 1e9);
            wall += seconds.back();
            cpu += cpuSeconds() - cpuBefore;
            won += (won.empty() ? "" : " ") + window.machine().game().wonShown;
        }
        std::printf("speed %2d: spin %.3f s (median; won %s), CPU %.1f %%, steps late %.3f ms median, %.3f ms 99th "
                    "percentile\n",
                    speed, percentile(seconds, 0.5), won.c_str(), 100.0 * cpu / wall, percentile(steps.lateMs, 0.5),
                    percentile(steps.lateMs, 0.99));
    }

    // A key's release to the first step after it, at wheel speed 5.
    {
        setOptions([](GameOptions& o) { o.wheelSpeed = 5; });
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            return 1;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier);
        QApplication::sendEvent(&window, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_1, Qt::NoModifier);
        steps.firstStepAt = -1;
        steps.clock.start();
        QApplication::sendEvent(&window, &release);
        untilIdle(machine);
        std::printf("key 1 released: the first step after the bet's first coin ran after %.2f ms\n",
                    double(steps.firstStepAt) / 1e6);
        steps.clock.invalidate();
    }

    setOptions([](GameOptions& o) {
        o.machine = 20.0f;
        o.sound = false;
    });
    const int before = window.machine().game().credits;
    QElapsedTimer clock;
    clock.start();
    machine.insertBill(100);
    untilIdle(machine);
    std::printf("$100 on a Nickel machine, sounds off: %d credits in %.3f s\n", window.machine().game().credits - before,
                double(clock.nsecsElapsed()) / 1e9);
    return 0;
}
