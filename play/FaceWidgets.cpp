#include "play/FaceWidgets.h"

#include "assets/art/Art.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace strhaven {

namespace {

// The face's focus ring, just inside the area it marks.
void drawGoldRing(QPainter& p, const QRectF& area)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xF7, 0xD4, 0x6B), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(area.adjusted(1, 1, -1, -1), 4, 4);
}

bool isEnter(const QKeyEvent& e) { return e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter; }

// Only the left button counts, with no Shift, Ctrl or Alt held.
bool isPlainLeftClick(const QMouseEvent& e)
{
    return e.button() == Qt::LeftButton && !(e.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
}

} // namespace

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

FaceControl::FaceControl(QWidget* parent) : QAbstractButton(parent) { setFocusPolicy(Qt::StrongFocus); }

void FaceControl::setLocked(bool locked)
{
    m_locked = locked;
    if (locked)
        setDown(false);
    update();
}

void FaceControl::mousePressEvent(QMouseEvent* e)
{
    if (m_locked || !isPlainLeftClick(*e)) {
        e->ignore();
        return;
    }
    QAbstractButton::mousePressEvent(e);
}

// A release with a modifier held lets the button go without acting.
void FaceControl::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && isDown() && !isPlainLeftClick(*e)) {
        setDown(false);
        e->accept();
        return;
    }
    QAbstractButton::mouseReleaseEvent(e);
}

// Enter presses as Space does; a locked control takes neither.
void FaceControl::keyPressEvent(QKeyEvent* e)
{
    const bool press = e->key() == Qt::Key_Space || isEnter(*e);
    if (press && m_locked)
        return;
    if (isEnter(*e)) {
        if (!e->isAutoRepeat())
            setDown(true);
        return;
    }
    QAbstractButton::keyPressEvent(e);
}

void FaceControl::keyReleaseEvent(QKeyEvent* e)
{
    if (isEnter(*e)) {
        // Only a release whose press this control saw: the Enter that
        // closed a dialog comes up over whatever control has the focus.
        if (!e->isAutoRepeat() && isDown()) {
            setDown(false);
            click();
        }
        return;
    }
    QAbstractButton::keyReleaseEvent(e);
}

// The focus, drawn as a gold ring just inside the control (the type gold of
// the machine's lettering), so that it shows on red lacquer and on a bill.
void FaceControl::drawFocusRing(QPainter& p) const
{
    if (hasFocus())
        drawGoldRing(p, rect());
}

ImageButton::ImageButton(QWidget* parent) : FaceControl(parent) {}

void ImageButton::setPictures(DprPixmap normal, DprPixmap pressed, DprPixmap disabled)
{
    m_pictures[0] = std::move(normal);
    m_pictures[1] = std::move(pressed);
    m_pictures[2] = std::move(disabled);
    update();
}

ImageButton::Picture ImageButton::picture() const
{
    if (isLocked() || !isEnabled())
        return Picture::Disabled;
    return isDown() ? Picture::Pressed : Picture::Normal;
}

void ImageButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const DprPixmap& shown = m_pictures[static_cast<int>(picture())];
    if (!shown.isNull())
        p.drawPixmap(0, 0, shown.at(devicePixelRatioF()));
    drawFocusRing(p);
}

BillSlot::BillSlot(int dollars, QWidget* parent) : FaceControl(parent), m_dollars(dollars)
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
    QPainter p(this);
    if (m_shut)
        p.fillRect(rect(), Qt::black);
    drawFocusRing(p);
}

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
    setFocusPolicy(Qt::TabFocus);
}

void PayTableArea::paintEvent(QPaintEvent*)
{
    if (!hasFocus())
        return;
    QPainter p(this);
    drawGoldRing(p, art::payCellRect(m_row, m_column).translated(-QPointF(pos())));
}

void PayTableArea::keyPressEvent(QKeyEvent* e)
{
    const int last = int(m_rows.size()) - 1;
    switch (e->key()) {
    case Qt::Key_Up: moveTo(m_row - 1, m_column); break;
    case Qt::Key_Down: moveTo(m_row + 1, m_column); break;
    case Qt::Key_Left: moveTo(m_row, m_column - 1); break;
    case Qt::Key_Right: moveTo(m_row, m_column + 1); break;
    case Qt::Key_Home: moveTo(e->modifiers() & Qt::ControlModifier ? 0 : m_row, 0); break;
    case Qt::Key_End: moveTo(e->modifiers() & Qt::ControlModifier ? last : m_row, Columns - 1); break;
    default: QWidget::keyPressEvent(e); return;
    }
}

void PayTableArea::focusInEvent(QFocusEvent* e)
{
    QWidget::focusInEvent(e);
    // After Qt has told that the table took the focus, which it does once
    // this returns.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus())
            tellCurrentCell();
    });
    update();
}

void PayTableArea::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
    update();
}

void PayTableArea::moveTo(int row, int column)
{
    row = std::clamp(row, 0, int(m_rows.size()) - 1);
    column = std::clamp(column, 0, Columns - 1);
    if (row == m_row && column == m_column)
        return;
    m_row = row;
    m_column = column;
    tellCurrentCell();
    update();
}

// A reader follows the focus into the table: the cell is the table's child
// of that index.
void PayTableArea::tellCurrentCell()
{
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(m_row * Columns + m_column);
    QAccessible::updateAccessibility(&event);
}

} // namespace strhaven
