#pragma once

#include <QStringList>
#include <QWidget>

namespace strhaven {

// The names of the controls Tab visits in the window, in order, from the
// first of them.
inline QString focusChain(QWidget* window)
{
    QStringList names;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            names << w->objectName();
    return names.join(QLatin1Char(' '));
}

} // namespace strhaven
