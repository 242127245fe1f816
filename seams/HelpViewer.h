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

// The commands that ShowHelp passes on to the viewer.
namespace HelpCommand {
inline constexpr int Topic = 1;    // show the topic whose number is given
inline constexpr int Quit = 2;     // close the viewer
inline constexpr int Contents = 3; // show the contents page
} // namespace HelpCommand

// The help topics the game opens.
namespace HelpTopic {
inline constexpr int HowToPlay = 20;
inline constexpr int GameOptions = 30;
inline constexpr int CashOutButton = 40;
inline constexpr int GameFiles = 50;
inline constexpr int Statistics = 60;
} // namespace HelpTopic

// The one way the game talks to the help viewer. `owner` is always the main
// window; `number` is the topic for HelpCommand::Topic and ignored otherwise.
// Unknown commands do nothing. The viewer's own failures reach the caller.
void ShowHelp(HelpViewer& viewer, QWidget* owner, int command, int number);

} // namespace strhaven
