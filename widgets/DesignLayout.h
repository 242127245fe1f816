#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace strhaven {

// The dialogs are drawn up in pixels for a small dialog font. A user's font
// that needs more room scales the whole dialog evenly, so that every control
// keeps its place beside the others and no caption is ever cut off; with a
// font that fits, every control sits exactly where it was drawn up.
// Header-only; needs Qt Widgets where it is used.
class DesignLayout {
public:
    DesignLayout(QWidget* dialog, QSize client) : m_dialog(dialog), m_client(client) {}

    // Each control at its drawn-up rectangle in its parent. Created in tab
    // order, the controls need no tab order of their own: the focus chain
    // follows creation.
    template <typename Control>
    Control* place(Control* control, const QString& name, const QRect& design)
    {
        control->setObjectName(name);
        control->setGeometry(design);
        m_items.push_back({control, design});
        return control;
    }

    // Sets every control's geometry and the dialog's fixed size for the
    // fonts in force; returns the scale (1 when everything fits as drawn).
    qreal apply()
    {
        qreal scale = 1.0;
        for (const Item& item : m_items) {
            const QSize need = needed(item.control);
            scale = std::max({scale, qreal(need.width()) / item.design.width(),
                              qreal(need.height()) / item.design.height()});
        }
        // Wrapped text takes more lines when narrower, so it is fitted last,
        // at the width it will have.
        for (const Item& item : m_items) {
            const auto* label = qobject_cast<const QLabel*>(item.control);
            if (!label || !label->wordWrap())
                continue;
            while (scale < 3.0 && label->heightForWidth(scaled(item.design, scale).width()) >
                                      scaled(item.design, scale).height())
                scale += 0.02;
        }
        for (const Item& item : m_items)
            item.control->setGeometry(scaled(item.design, scale));
        m_dialog->setFixedSize(scaled(QRect(QPoint(), m_client), scale).size());
        return scale;
    }

    // Both edges are scaled, so controls that touched still touch.
    static QRect scaled(const QRect& design, qreal scale)
    {
        const int left = qRound(design.x() * scale);
        const int top = qRound(design.y() * scale);
        return QRect(left, top, qRound((design.x() + design.width()) * scale) - left,
                     qRound((design.y() + design.height()) * scale) - top);
    }

private:
    struct Item {
        QWidget* control;
        QRect design;
    };

    // The room a control's text needs in its own font. Push buttons and the
    // rows of check boxes keep their drawn height as long as a line fits.
    static QSize needed(const QWidget* control)
    {
        const QFontMetrics fm = control->fontMetrics();
        auto plain = [](QString text) { return text.remove(QLatin1Char('&')); };
        if (const auto* button = qobject_cast<const QPushButton*>(control))
            return {fm.horizontalAdvance(plain(button->text())) + 16, fm.height() + 6};
        if (const auto* button = qobject_cast<const QAbstractButton*>(control))
            return {button->sizeHint().width(), fm.height()};
        if (const auto* frame = qobject_cast<const QGroupBox*>(control))
            return {fm.horizontalAdvance(plain(frame->title())) + 16, fm.height()};
        if (const auto* label = qobject_cast<const QLabel*>(control); label && !label->wordWrap())
            return fm.boundingRect(QRect(), 0, label->text()).size() + QSize(2, 0);
        return {};
    }

    QWidget* m_dialog;
    QSize m_client;
    std::vector<Item> m_items;
};

} // namespace strhaven
