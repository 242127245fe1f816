#include "seams/HelpViewer.h"

namespace strhaven {

void ShowHelp(HelpViewer& viewer, QWidget* owner, int command, int number)
{
    switch (command) {
    case HelpCommand::Topic: viewer.showTopic(owner, number); break;
    case HelpCommand::Quit: viewer.close(); break;
    case HelpCommand::Contents: viewer.showContents(owner); break;
    default: break;
    }
}

} // namespace strhaven
