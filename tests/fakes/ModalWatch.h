#pragma once

#include <QApplication>
#include <QTimer>

namespace strhaven {

// Acts once on the modal window of type W as soon as it is up; the watch
// ends with `context` if no such window ever comes.
template <class W, class Act>
void whenShown(QObject* context, Act act)
{
    auto* poll = new QTimer(context);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (auto* w = qobject_cast<W*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(w);
        }
    });
    poll->start(10);
}

} // namespace strhaven
