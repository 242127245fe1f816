#pragma once

#include "seams/HelpViewer.h"
#include "widgets/OwnedDialog.h"

#include <QKeyEvent>

namespace strhaven {

// A modal dialog of the main window with a Help button: the button and F1
// released anywhere in the dialog open its help topic, and every way of
// closing it (OK, Cancel, Esc, the close box) closes the help viewer too.
// Header-only; needs Qt Widgets where it is used.
class HelpDialog : public OwnedDialog {
public:
    HelpDialog(HelpViewer& help, int topic, QWidget* owner)
        : OwnedDialog(owner)
        , m_help(help)
        , m_topic(topic)
    {
    }

    // The owner is the main window, the one every help call names.
    void showHelpTopic() { ShowHelp(m_help, parentWidget(), HelpCommand::Topic, m_topic); }

protected:
    void keyReleaseEvent(QKeyEvent* e) override
    {
        if (e->key() == Qt::Key_F1)
            showHelpTopic();
        OwnedDialog::keyReleaseEvent(e);
    }
    void done(int result) override
    {
        ShowHelp(m_help, parentWidget(), HelpCommand::Quit, 0);
        OwnedDialog::done(result);
    }

private:
    HelpViewer& m_help;
    int m_topic;
};

} // namespace strhaven
