#pragma once

#include "OwnedDialog.h"

namespace strhaven {

// "Shortcut Keys": the chart of every key and menu shortcut, and OK.
class frmShortCuts : public OwnedDialog {
    Q_OBJECT
public:
    explicit frmShortCuts(QWidget* owner);
};

} // namespace strhaven
