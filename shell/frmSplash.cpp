#include "frmSplash.h"

#include "Art.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace strhaven {

frmSplash::frmSplash(std::function<void()> onUnload)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_onUnload(std::move(onUnload))
{
    setObjectName("frmSplash");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(PictureSize);
    m_timer.setSingleShot(true);
    m_timer.setInterval(SplashMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(), PictureSize);
        r.moveCenter(screen->geometry().center());
        move(r.topLeft());
    }
}

void frmSplash::showAndStartTimer()
{
    show();
    m_timer.start();
}

void frmSplash::paintEvent(QPaintEvent*)
{
    const qreal dpr = devicePixelRatioF();
    if (m_picture.isNull() || !qFuzzyCompare(m_picture.devicePixelRatio(), dpr))
        m_picture = art::splash(dpr);
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
}

void frmSplash::Timer1_Timer() { close(); }

void frmSplash::closeEvent(QCloseEvent* e)
{
    m_timer.stop();
    e->accept();
    if (auto unload = std::exchange(m_onUnload, nullptr))
        unload();
}

} // namespace strhaven
