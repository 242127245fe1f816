#pragma once

#include "seams/HelpViewer.h"

#include <QStringList>

#include <functional>
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
    // Runs when a page is asked for; may throw, as a failing viewer would.
    std::function<void()> onShow;

    void showTopic(QWidget* owner, int topic) override
    {
        calls.push_back({Kind::Topic, owner, topic});
        if (onShow)
            onShow();
    }
    void showContents(QWidget* owner) override
    {
        calls.push_back({Kind::Contents, owner, 0});
        if (onShow)
            onShow();
    }
    void close() override { calls.push_back({Kind::Close, nullptr, 0}); }

    // "topic 40,close": what the viewer was asked, in order.
    QString asked() const
    {
        QStringList all;
        for (const Call& c : calls)
            all << (c.kind == Kind::Topic ? QStringLiteral("topic %1").arg(c.topic)
                    : c.kind == Kind::Close ? QStringLiteral("close") : QStringLiteral("contents"));
        return all.join(QLatin1Char(','));
    }
};

} // namespace strhaven
