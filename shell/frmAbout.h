#pragma once

#include <QDialog>

namespace strhaven {

// The About box: the program's icon, title, version and the maker's notice.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* owner);
};

} // namespace strhaven
