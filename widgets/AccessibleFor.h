#pragma once

#include <QAccessible>

namespace strhaven {

// Has Qt read every Widget through Interface (made with the widget), from
// the first call on; call it where a Widget is made.
template <typename Widget, typename Interface>
void readAccessiblyAs()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
            auto* widget = dynamic_cast<Widget*>(object);
            return widget ? new Interface(widget) : nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed)
}

} // namespace strhaven
