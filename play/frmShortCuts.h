#pragma once

#include <QDialog>

namespace strhaven {

// "Shortcut Keys": the chart of every key and menu shortcut, and OK.
class frmShortCuts : public QDialog {
    Q_OBJECT
public:
    explicit frmShortCuts(QWidget* owner);
};

} // namespace strhaven
