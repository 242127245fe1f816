#include "shell/SplashScreen.h"

#include "assets/art/Art.h"
#include "play/FaceWidgets.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace strhaven {

SplashScreen::SplashScreen(std::function<void()> onClosed)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_onClosed(std::move(onClosed))
{
    setObjectName("SplashScreen");
    setFixedSize(art::SplashSize);
    auto* picture = new PictureBox(this);
    picture->setObjectName("splashPicture");
    picture->setGeometry(QRect(QPoint(0, 0), art::SplashSize));
    picture->setPicture(DprPixmap([](qreal dpr) { return art::splash(dpr); }));
    m_timer.setSingleShot(true);
    m_timer.setInterval(SplashMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &SplashScreen::timeUp);
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

void SplashScreen::timeUp() { close(); }

void SplashScreen::closeEvent(QCloseEvent* e)
{
    m_timer.stop();
    e->accept();
    if (auto closed = std::exchange(m_onClosed, nullptr))
        closed();
}

} // namespace strhaven
