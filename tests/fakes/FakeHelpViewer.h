#pragma once

#include "HelpViewer.h"

#include <vector>

namespace strhaven {

// A help viewer that shows nothing and remembers what it was asked.
class FakeHelpViewer final : public HelpViewer {
public:
    enum class Kind { Topic, Contents, Close };
    struct Call {
        Kind kind;
        QWidget* owner = nullptr;
        int topic = 0;
    };

    std::vector<Call> calls;

    void showTopic(QWidget* owner, int topic) override { calls.push_back({Kind::Topic, owner, topic}); }
    void showContents(QWidget* owner) override { calls.push_back({Kind::Contents, owner, 0}); }
    void close() override { calls.push_back({Kind::Close, nullptr, 0}); }
};

} // namespace strhaven
