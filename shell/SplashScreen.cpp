#include "shell/SplashScreen.h"

#include "assets/art/Art.h"
#include "play/FaceWidgets.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace strhaven {

SplashScreen::SplashScreen(std::function<void()> onUnload)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_onUnload(std::move(onUnload))
{
    setObjectName("SplashScreen");
    setFixedSize(art::SplashSize);
    auto* picture = new PictureBox(this);
    picture->setObjectName("Picture1");
    picture->setGeometry(QRect(QPoint(0, 0), art::SplashSize));
    picture->setPicture(DprPixmap([](qreal dpr) { return art::splash(dpr); }));
    m_timer.setSingleShot(true);
    m_timer.setInterval(SplashMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &SplashScreen::Timer1_Timer);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(), art::SplashSize);
        r.moveCenter(screen->geometry().center());
        move(r.topLeft());
    }
}

void SplashScreen::showAndStartTimer()
{
    show();
    m_timer.start();
}

void SplashScreen::Timer1_Timer() { close(); }

void SplashScreen::closeEvent(QCloseEvent* e)
{
    m_timer.stop();
    e->accept();
    if (auto unload = std::exchange(m_onUnload, nullptr))
        unload();
}

} // namespace strhaven
