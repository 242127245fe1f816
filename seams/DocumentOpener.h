#pragma once

#include <QString>

class QWidget;

namespace strhaven {

// The desktop's service that opens a file or a web address with the program
// associated with it, without waiting for that program.
class DocumentOpener {
public:
    // Results as the desktop reports them: above 32 the target was handed
    // over; below, what went wrong.
    enum Result : int {
        FileNotFound = 2,
        AccessDenied = 5,
        OutOfMemory = 8,
        NoAssociation = 31,
        NoAssociationForType = 27,
        Opened = 33,
    };

    virtual ~DocumentOpener() = default;
    // `target` is a local path or an address; `owner` is the main window.
    virtual int openDocument(QWidget* owner, const QString& target) = 0;
};

} // namespace strhaven
