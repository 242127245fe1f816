#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>
#include <optional>

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

// Mouse button and modifier numbers as the handlers take them: button 1 left,
// 2 right, 4 middle; shift the sum of 1 Shift, 2 Ctrl, 4 Alt.
int mouseButtonNumber(Qt::MouseButton button);
int shiftNumber(Qt::KeyboardModifiers modifiers);

// A fixed picture (pbMainTop, pbMainBottom, imgMachine, the face itself).
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

// A picture button with its normal, pressed and disabled pictures. The
// handlers choose the picture themselves, so it never changes on its own.
class ImageButton : public QWidget {
    Q_OBJECT
public:
    enum class Picture { Normal, Pressed, Disabled };
    explicit ImageButton(QWidget* parent = nullptr);
    void setPictures(DprPixmap normal, DprPixmap pressed, DprPixmap disabled);
    void showPicture(Picture p);
    Picture picture() const { return m_shown; }

signals:
    void mouseDown(int button, int shift);
    void mouseUp(int button, int shift);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    DprPixmap m_pictures[3];
    Picture m_shown = Picture::Normal;
};

// A bill's hot spot: invisible over the printed bill, or a black box when
// the machine takes no such bill (shut).
class BillSlot : public QWidget {
    Q_OBJECT
public:
    BillSlot(int dollars, QWidget* parent = nullptr);
    int dollars() const { return m_dollars; }
    void setShut(bool shut);
    bool isTransparent() const { return !m_shut; }

signals:
    void mouseUp(int button, int shift);

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

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

} // namespace strhaven
