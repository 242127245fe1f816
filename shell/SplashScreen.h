#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>

namespace strhaven {

// The splash window of start-up: the drawn splash picture, centred on the
// screen, without a title bar. It closes itself SplashMilliseconds after the
// main window's start-up has finished, and then calls what it was given on
// closing, which shows the main window.
class SplashScreen : public QWidget {
    Q_OBJECT
public:
    static constexpr int SplashMilliseconds = 2500;

    explicit SplashScreen(std::function<void()> onClosed);

    // Shows the splash and starts the timer: call it when the load handler's
    // work (loading the main window) is done.
    void showAndStartTimer();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void timeUp();
    QTimer m_timer;
    std::function<void()> m_onClosed;
};

} // namespace strhaven
