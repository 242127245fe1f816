#pragma once

#include "seams/ErrorReport.h"
#include "settings/OptionsTarget.h"

#include <QStringList>

#include <functional>

namespace strhaven {

// Remembers each call, each with what the test's snapshot saw at that moment.
class FakeOptionsTarget final : public OptionsTarget {
public:
    QStringList calls;
    std::function<QString()> snapshot;
    bool saveFails = false; // as a settings store that cannot be written

    void showCredits() override { record("showCredits"); }
    void showMachine() override { record("showMachine"); }
    void applyPayout() override { record("applyPayout"); }
    void saveSettings() override
    {
        record("saveSettings");
        if (saveFails)
            throw RunError(ErrorNumber::PermissionDenied);
    }

private:
    void record(const char* call) { calls << QString::fromLatin1(call) + (snapshot ? ' ' + snapshot() : QString()); }
};

} // namespace strhaven
