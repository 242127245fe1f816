#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QKeyEvent;
class QPainter;

namespace strhaven {

// A picture drawn by our own code for whatever device pixel ratio the widget
// is shown at; redrawn only when that ratio changes (another screen).
class DprPixmap {
public:
    using Maker = std::function<QPixmap(qreal dpr)>;
    DprPixmap() = default;
    explicit DprPixmap(Maker maker) : m_maker(std::move(maker)) {}
    const QPixmap& at(qreal dpr) const;
    bool isNull() const { return !m_maker; }

private:
    Maker m_maker;
    mutable QPixmap m_pixmap;
};

// A fixed picture (the face itself, the wheel window's top strip, the
// display panel, the denomination).
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    void setPicture(DprPixmap picture);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    DprPixmap m_picture;
};

// A control of the face: a Qt button that a plain left click, Space or
// Enter presses, and whose release acts wherever the pointer went (the
// press took the mouse), as the machine's buttons always did. Any other
// click (another button, Shift, Ctrl or Alt held) does nothing. It shows
// the focus with a gold ring. Locked while the machine is busy, it keeps
// the focus but takes no press.
class FaceControl : public QAbstractButton {
    Q_OBJECT
public:
    explicit FaceControl(QWidget* parent = nullptr);
    void setLocked(bool locked);
    bool isLocked() const { return m_locked; }

protected:
    bool hitButton(const QPoint&) const override { return true; }
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void drawFocusRing(QPainter& p) const;

private:
    bool m_locked = false;
};

// A picture button with its normal, pressed and disabled pictures: pressed
// while it is held down, disabled while it, or the machine, is.
class ImageButton : public FaceControl {
    Q_OBJECT
public:
    enum class Picture { Normal, Pressed, Disabled };
    explicit ImageButton(QWidget* parent = nullptr);
    void setPictures(DprPixmap normal, DprPixmap pressed, DprPixmap disabled);
    Picture picture() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    DprPixmap m_pictures[3];
};

// A bill's hot spot: invisible over the printed bill, or a black box when
// the machine takes no such bill (shut, and then disabled).
class BillSlot : public FaceControl {
    Q_OBJECT
public:
    BillSlot(int dollars, QWidget* parent = nullptr);
    int dollars() const { return m_dollars; }
    void setShut(bool shut);
    bool isTransparent() const { return !m_shut; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int m_dollars;
    bool m_shut = false;
};

// One of the nine wheel positions: a symbol picture, or nothing (the black
// of the wheel window shows through).
class ReelPosition : public QWidget {
    Q_OBJECT
public:
    using SymbolArt = std::function<const QPixmap&(int symbol, qreal dpr)>;
    ReelPosition(SymbolArt art, QWidget* parent = nullptr);
    void setSymbol(std::optional<int> symbol);
    std::optional<int> symbol() const { return m_symbol; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    SymbolArt m_art;
    std::optional<int> m_symbol;
};

// One of the three displays (WON, CREDITS, BET): white figures on the
// panel, read by a screen reader under its name with the figure as value.
class FaceDisplay : public QLabel {
    Q_OBJECT
public:
    explicit FaceDisplay(QWidget* parent = nullptr);
};

// The pay line across the wheels' middle row, drawn as a black rule. A
// screen reader reads the symbols on it by name.
class PayLine : public QWidget {
    Q_OBJECT
public:
    using Symbols = std::function<QString()>;
    PayLine(Symbols symbols, QWidget* parent = nullptr);
    QString symbols() const { return m_symbols(); }

private:
    Symbols m_symbols;
};

// Where the printed pay table lies, for a screen reader and the keyboard:
// it reads as a table of the printed rows under the printed headings, and
// takes the focus with Tab, its arrow keys moving from cell to cell (ringed
// in gold). It takes no clicks and paints nothing else.
class PayTableArea : public QWidget {
    Q_OBJECT
public:
    static constexpr int Columns = 4;
    struct Row {
        QString combination;
        std::array<int, 3> wins;
    };
    PayTableArea(std::vector<Row> rows, QWidget* parent = nullptr);
    const std::vector<Row>& rows() const { return m_rows; }
    int currentRow() const { return m_row; }
    int currentColumn() const { return m_column; }

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void moveTo(int row, int column);
    void tellCurrentCell();

    std::vector<Row> m_rows;
    int m_row = 0;
    int m_column = 0;
};

} // namespace strhaven
