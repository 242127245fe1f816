#pragma once

#include "OptionsTarget.h"

#include <QStringList>

#include <functional>

namespace strhaven {

// Remembers each call, each with what the test's snapshot saw at that moment.
class FakeOptionsTarget final : public OptionsTarget {
public:
    QStringList calls;
    std::function<QString()> snapshot;

    void showCredits() override { record("showCredits"); }
    void showMachine() override { record("showMachine"); }
    void applyPayout() override { record("applyPayout"); }
    void saveSettings() override { record("saveSettings"); }

private:
    void record(const char* call) { calls << QString::fromLatin1(call) + (snapshot ? ' ' + snapshot() : QString()); }
};

} // namespace strhaven
