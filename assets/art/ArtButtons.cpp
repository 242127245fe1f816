#include "assets/art/Art.h"
#include "assets/art/ArtPainting.h"

#include <QFontMetricsF>


namespace strhaven::art {

namespace {

struct ButtonArt {
    const char* text;  // '&' marks the underlined letter, the key that presses the button
    QColor top, bottom, edge, ink, greyInk;
};

const ButtonArt& artFor(Button b)
{
    static const ButtonArt grey1{QT_TRANSLATE_NOOP("ArtText", "Play &1"), QColor(0xEC, 0xED, 0xF0), QColor(0xA2, 0xA4, 0xAA),
                                 QColor(0x2A, 0x2B, 0x2E), QColor(0x14, 0x14, 0x16), QColor(0x86, 0x88, 0x8E)};
    static const ButtonArt grey2{QT_TRANSLATE_NOOP("ArtText", "Play &2"), grey1.top, grey1.bottom, grey1.edge, grey1.ink, grey1.greyInk};
    static const ButtonArt white{QT_TRANSLATE_NOOP("ArtText", "Play &Max"), QColor(0xFF, 0xFF, 0xFF), QColor(0xD2, 0xD4, 0xDA),
                                 QColor(0x3A, 0x3B, 0x40), QColor(0x14, 0x14, 0x16), QColor(0xA4, 0xA6, 0xAC)};
    static const ButtonArt red{QT_TRANSLATE_NOOP("ArtText", "&Cash Out"), QColor(0xF0, 0x45, 0x4C), QColor(0x9E, 0x0E, 0x18),
                               QColor(0x3E, 0x03, 0x07), QColor(0xFF, 0xFF, 0xFF), QColor(0xC9, 0x8E, 0x91)};
    switch (b) {
    case Button::Play1: return grey1;
    case Button::Play2: return grey2;
    case Button::PlayMax: return white;
    case Button::CashOut: break;
    }
    return red;
}

QColor darker(const QColor& c, int percent) { return c.darker(percent); }

} // namespace

QString buttonCaption(Button b) { return ArtText::tr(artFor(b).text); }

QPixmap button(Button b, ButtonState state, qreal dpr)
{
    const ButtonArt& art = artFor(b);
    const bool pressed = state == ButtonState::Pressed;
    QPixmap pm = makeCanvas(ButtonSize, dpr);
    QPainter p(&pm);
    prepare(p);

    // The body: a dark base whose lower lip shows under a raised face.
    const QRectF body(0.5, 0.5, 67, 29);
    QPainterPath bodyPath;
    bodyPath.addRoundedRect(body, 5, 5);
    p.fillPath(bodyPath, gradient(body.topLeft(), body.bottomLeft(), {art.edge, darker(art.bottom, 260)}));

    const QRectF face = pressed ? QRectF(1.6, 2.6, 64.8, 26) : QRectF(1.6, 1.6, 64.8, 25.4);
    QPainterPath facePath;
    facePath.addRoundedRect(face, 4, 4);
    const int shade = pressed ? 112 : 100;
    p.fillPath(facePath, gradient(face.topLeft(), face.bottomLeft(),
                                  {darker(art.top, shade), darker(art.top, shade + 4), darker(art.bottom, shade)}));
    p.save();
    p.setClipPath(facePath);
    if (pressed) {
        // Pushed in: the shadow falls on the top edge, the light on the bottom.
        p.fillRect(QRectF(face.left(), face.top(), face.width(), 3),
                   gradient(face.topLeft(), {face.left(), face.top() + 3}, {QColor(0, 0, 0, 120), QColor(0, 0, 0, 0)}));
        p.setPen(QPen(QColor(255, 255, 255, 120), 1));
        p.drawLine(QPointF(face.left() + 3, face.bottom() - 0.6), QPointF(face.right() - 3, face.bottom() - 0.6));
    } else {
        p.setPen(QPen(QColor(255, 255, 255, 200), 1));
        p.drawLine(QPointF(face.left() + 3, face.top() + 0.7), QPointF(face.right() - 3, face.top() + 0.7));
        p.setPen(QPen(QColor(0, 0, 0, 90), 1.2));
        p.drawLine(QPointF(face.left() + 2, face.bottom() - 0.6), QPointF(face.right() - 2, face.bottom() - 0.6));
        // Gloss over the upper half of the face.
        p.fillRect(QRectF(face.left(), face.top(), face.width(), face.height() * 0.5),
                   gradient(face.topLeft(), {face.left(), face.center().y()}, {QColor(255, 255, 255, 90), QColor(255, 255, 255, 0)}));
    }
    p.restore();
    p.setPen(QPen(art.edge, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bodyPath);

    QString text = buttonCaption(b);
    const qsizetype keyLetter = text.indexOf(u'&');
    if (keyLetter >= 0)
        text.remove(keyLetter, 1);
    // A longer caption in another language takes condensed or smaller type.
    const QFont font = fittedFont({Face::Sans, Face::SansCondensed}, 11, text, face.width() - 4);
    const QPainterPath label = textPath(text, font, face.adjusted(0, 0, 0, -1), Qt::AlignCenter);
    const QColor ink = state == ButtonState::Disabled ? art.greyInk : art.ink;
    const bool lightInk = ink.lightness() > 160;
    const QPointF emboss(0, lightInk ? -0.8 : 0.9);
    const QColor embossColour = lightInk ? QColor(0, 0, 0, 110) : QColor(255, 255, 255, 150);
    p.fillPath(label.translated(emboss), embossColour);
    p.fillPath(label, ink);

    // The underline sits under the key letter, taken from the same metrics.
    if (keyLetter < 0)
        return pm;
    const QFontMetricsF fm(font);
    const qreal left = face.center().x() - fm.horizontalAdvance(text) / 2 + fm.horizontalAdvance(text.left(keyLetter));
    const qreal width = fm.horizontalAdvance(text.mid(keyLetter, 1));
    const qreal y = face.center().y() - 0.5 + fm.capHeight() / 2 + 2;
    p.fillRect(QRectF(left, y + emboss.y(), width, 1.1), embossColour);
    p.fillRect(QRectF(left, y, width, 1.1), ink);
    return pm;
}

} // namespace strhaven::art
