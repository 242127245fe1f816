#pragma once

#include <QWidget>

namespace strhaven {

// What a window tells a screen reader of its own accord, such as what a
// bill or a spin came to: a notification, which a reader presents as it
// shows, wherever the focus is. It paints nothing, takes no clicks and sits
// in a corner of its parent, one pixel wide; it is shown anew for each
// message, as readers present a notification when it appears and not when
// its text changes.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent = nullptr);
    void announce(const QString& text);
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

} // namespace strhaven
