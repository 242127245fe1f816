#include "play/FaceWidgets.h"

#include <QMouseEvent>
#include <QPainter>

namespace strhaven {

const QPixmap& DprPixmap::at(qreal dpr) const
{
    if (m_maker && (m_pixmap.isNull() || !qFuzzyCompare(m_pixmap.devicePixelRatio(), dpr)))
        m_pixmap = m_maker(dpr);
    return m_pixmap;
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setPicture(DprPixmap picture)
{
    m_picture = std::move(picture);
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture.at(devicePixelRatioF()));
}

ImageButton::ImageButton(QWidget* parent) : QWidget(parent) {}

void ImageButton::setPictures(DprPixmap normal, DprPixmap pressed, DprPixmap disabled)
{
    m_pictures[0] = std::move(normal);
    m_pictures[1] = std::move(pressed);
    m_pictures[2] = std::move(disabled);
    update();
}

void ImageButton::showPicture(Picture p)
{
    m_shown = p;
    update();
}

void ImageButton::paintEvent(QPaintEvent*)
{
    const DprPixmap& picture = m_pictures[static_cast<int>(m_shown)];
    if (picture.isNull())
        return;
    QPainter p(this);
    p.drawPixmap(0, 0, picture.at(devicePixelRatioF()));
}

void ImageButton::mousePressEvent(QMouseEvent* e) { emit pressed(e->button(), e->modifiers()); }

void ImageButton::mouseReleaseEvent(QMouseEvent* e) { emit released(e->button(), e->modifiers()); }

BillSlot::BillSlot(int dollars, QWidget* parent) : QWidget(parent), m_dollars(dollars)
{
    setCursor(Qt::PointingHandCursor);
}

void BillSlot::setShut(bool shut)
{
    m_shut = shut;
    setEnabled(!shut);
    update();
}

void BillSlot::paintEvent(QPaintEvent*)
{
    if (!m_shut)
        return;
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
}

void BillSlot::mouseReleaseEvent(QMouseEvent* e) { emit released(e->button(), e->modifiers()); }

ReelPosition::ReelPosition(SymbolArt art, QWidget* parent) : QWidget(parent), m_art(std::move(art)) {}

void ReelPosition::setSymbol(std::optional<int> symbol)
{
    if (symbol == m_symbol)
        return;
    m_symbol = symbol;
    update();
}

void ReelPosition::paintEvent(QPaintEvent*)
{
    if (!m_symbol)
        return;
    QPainter p(this);
    p.drawPixmap(0, 0, m_art(*m_symbol, devicePixelRatioF()));
}

} // namespace strhaven
