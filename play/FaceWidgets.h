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
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void released(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

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
    void released(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

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
