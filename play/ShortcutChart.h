#pragma once

#include "widgets/OwnedDialog.h"

namespace strhaven {

// "Shortcut Keys": the chart of every key and menu shortcut, and OK.
class ShortcutChart : public OwnedDialog {
    Q_OBJECT
public:
    explicit ShortcutChart(QWidget* owner);
};

} // namespace strhaven
