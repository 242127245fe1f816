#include "play/FaceWidgets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace strhaven {

namespace {

// The focus, drawn as a gold ring just inside the control (the type gold of
// the machine's lettering), so that it shows on red lacquer and on a bill.
void drawFocusRing(QWidget& w)
{
    if (!w.hasFocus())
        return;
    QPainter p(&w);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xF7, 0xD4, 0x6B), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(w.rect()).adjusted(1, 1, -1, -1), 4, 4);
}

} // namespace

bool isPressKey(const QKeyEvent& e)
{
    return e.key() == Qt::Key_Space || e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter;
}

bool PressKey::press(const QKeyEvent& e)
{
    if (!isPressKey(e) || e.isAutoRepeat())
        return false;
    m_key = e.key();
    return true;
}

bool PressKey::release(const QKeyEvent& e)
{
    if (e.isAutoRepeat() || e.key() != m_key || m_key == 0)
        return false;
    m_key = 0;
    return true;
}

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

ImageButton::ImageButton(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::StrongFocus); }

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
    if (!picture.isNull()) {
        QPainter p(this);
        p.drawPixmap(0, 0, picture.at(devicePixelRatioF()));
    }
    drawFocusRing(*this);
}

void ImageButton::mousePressEvent(QMouseEvent* e) { emit pressed(e->button(), e->modifiers()); }

void ImageButton::mouseReleaseEvent(QMouseEvent* e) { emit released(e->button(), e->modifiers()); }

void ImageButton::keyPressEvent(QKeyEvent* e)
{
    if (!isPressKey(*e))
        return QWidget::keyPressEvent(e);
    if (m_key.press(*e))
        emit pressed(Qt::LeftButton, Qt::NoModifier);
}

void ImageButton::keyReleaseEvent(QKeyEvent* e)
{
    if (!isPressKey(*e))
        return QWidget::keyReleaseEvent(e);
    if (m_key.release(*e))
        emit released(Qt::LeftButton, Qt::NoModifier);
}

void ImageButton::focusOutEvent(QFocusEvent* e)
{
    m_key.forget();
    QWidget::focusOutEvent(e);
}

void ImageButton::click()
{
    emit pressed(Qt::LeftButton, Qt::NoModifier);
    emit released(Qt::LeftButton, Qt::NoModifier);
}

BillSlot::BillSlot(int dollars, QWidget* parent) : QWidget(parent), m_dollars(dollars)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void BillSlot::setShut(bool shut)
{
    m_shut = shut;
    setEnabled(!shut);
    update();
}

void BillSlot::paintEvent(QPaintEvent*)
{
    if (m_shut) {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
    }
    drawFocusRing(*this);
}

void BillSlot::mouseReleaseEvent(QMouseEvent* e) { emit released(e->button(), e->modifiers()); }

void BillSlot::keyPressEvent(QKeyEvent* e)
{
    if (!isPressKey(*e))
        return QWidget::keyPressEvent(e);
    m_key.press(*e);
}

void BillSlot::keyReleaseEvent(QKeyEvent* e)
{
    if (!isPressKey(*e))
        return QWidget::keyReleaseEvent(e);
    if (m_key.release(*e))
        click();
}

void BillSlot::focusOutEvent(QFocusEvent* e)
{
    m_key.forget();
    QWidget::focusOutEvent(e);
}

void BillSlot::click() { emit released(Qt::LeftButton, Qt::NoModifier); }

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

FaceDisplay::FaceDisplay(QWidget* parent) : QLabel(QStringLiteral("0"), parent) {}

PayLine::PayLine(Symbols symbols, QWidget* parent)
    : QWidget(parent)
    , m_symbols(std::move(symbols))
{
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
}

PayTableArea::PayTableArea(std::vector<Row> rows, QWidget* parent)
    : QWidget(parent)
    , m_rows(std::move(rows))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
}

} // namespace strhaven
