#pragma once

#include "widgets/OwnedDialog.h"

namespace strhaven {

// The About box: the program's icon, title, version and the maker's notice.
class AboutDialog : public OwnedDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* owner);
};

} // namespace strhaven
