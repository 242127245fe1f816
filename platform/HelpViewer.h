#pragma once

class QWidget;

namespace strhaven {

// The help viewer as the game talks to it: show a topic, show the contents,
// close. The game's own help window implements it.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void showTopic(QWidget* owner, int topic) = 0;
    virtual void showContents(QWidget* owner) = 0;
    virtual void close() = 0;
};

} // namespace strhaven
