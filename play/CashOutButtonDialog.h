#pragma once

#include "core/GameOptions.h"
#include "widgets/HelpDialog.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace strhaven {

// "Configure Cash Out Button": whether the Cash Out button exits or starts a
// new game, and whether it shows the statistics first. One object serves the
// whole run; every showing starts again from the options it is given, with
// OK as the button Enter presses, whatever the last showing ended with.
class CashOutButtonDialog : public HelpDialog {
    Q_OBJECT
public:
    CashOutButtonDialog(HelpViewer& help, QWidget* owner);

    // Shows the dialog modally over these options; true after OK, and then
    // the choice is in chosenCashOut() and chosenShowStats().
    bool ask(const GameOptions& current);
    // The options the next showing starts from.
    void setOptions(const GameOptions& current) { m_options = current; }
    CashOutAction chosenCashOut() const { return m_options.cashOut; }
    bool chosenShowStats() const { return m_options.showStats; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void fillControls();
    void okClicked();

    GameOptions m_options;
    // What OK stores as the action: the option last selected, or none while
    // neither option shows.
    CashOutAction m_pending = CashOutAction::Unchosen;
    QRadioButton* m_optExitGame = nullptr;
    QRadioButton* m_optNewGame = nullptr;
    QCheckBox* m_chkShowStats = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace strhaven
