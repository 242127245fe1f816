#pragma once

#include "OwnedDialog.h"

namespace strhaven {

// The About box: the program's icon, title, version and the maker's notice.
class frmAbout : public OwnedDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* owner);
};

} // namespace strhaven
