#pragma once

#include "seams/DocumentOpener.h"

#include <QStringList>

#include <functional>

namespace strhaven {

// Opens nothing: remembers each target and answers with a set result, or
// runs a hook that may throw, as a failing desktop would.
class FakeDocumentOpener final : public DocumentOpener {
public:
    QStringList targets;
    int result = Opened;
    std::function<void()> onOpen;

    int openDocument(QWidget*, const QString& target) override
    {
        targets << target;
        if (onOpen)
            onOpen();
        return result;
    }
};

} // namespace strhaven
