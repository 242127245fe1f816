#pragma once

#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QKeyEvent;

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

// Space or Enter held on a focused control, so that only a release whose
// press the control saw acts: the release of the Enter that closed a dialog
// arrives at whichever control has the focus next.
class PressKey {
public:
    // Whether the event is a first press of Space or Enter; remembers it.
    bool press(const QKeyEvent& e);
    // Whether the event releases the key this control saw pressed.
    bool release(const QKeyEvent& e);
    void forget() { m_key = 0; }

private:
    int m_key = 0;
};

// A picture button with its normal, pressed and disabled pictures. The
// handlers choose the picture themselves, so it never changes on its own.
// It takes the focus by Tab, shows it with a gold ring, and Space or Enter
// press it as a left click would.
class ImageButton : public QWidget {
    Q_OBJECT
public:
    enum class Picture { Normal, Pressed, Disabled };
    explicit ImageButton(QWidget* parent = nullptr);
    void setPictures(DprPixmap normal, DprPixmap pressed, DprPixmap disabled);
    void showPicture(Picture p);
    Picture picture() const { return m_shown; }
    // A plain left click, as a screen reader's press action asks for.
    void click();

signals:
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void released(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    DprPixmap m_pictures[3];
    Picture m_shown = Picture::Normal;
    PressKey m_key;
};

// A bill's hot spot: invisible over the printed bill, or a black box when
// the machine takes no such bill (shut). Like a button it takes the focus,
// shows it with a gold ring, and Space or Enter insert the bill.
class BillSlot : public QWidget {
    Q_OBJECT
public:
    BillSlot(int dollars, QWidget* parent = nullptr);
    int dollars() const { return m_dollars; }
    void setShut(bool shut);
    bool isTransparent() const { return !m_shut; }
    void click();

signals:
    void released(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    int m_dollars;
    bool m_shut = false;
    PressKey m_key;
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

// Where the printed pay table lies, for a screen reader: it paints nothing
// and takes no clicks, and reads as a table of the printed rows.
class PayTableArea : public QWidget {
    Q_OBJECT
public:
    struct Row {
        QString combination;
        std::array<int, 3> wins;
    };
    PayTableArea(std::vector<Row> rows, QWidget* parent = nullptr);
    const std::vector<Row>& rows() const { return m_rows; }

private:
    std::vector<Row> m_rows;
};

// Whether a key event is the press or release of Space or Enter, the keys
// that press a focused button.
bool isPressKey(const QKeyEvent& e);

} // namespace strhaven
