#pragma once

#include "widgets/HelpDialog.h"

#include <functional>
#include <string>

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace strhaven {

struct GameOptions;
struct SlotGame;

// "Configure Cash Out Button": whether the Cash Out button exits or starts a
// new game, and whether it shows the statistics first. One object serves the
// whole run; every showing starts again from the options in force, with OK
// as the button Enter presses, whatever the last showing ended with.
class CashOutButtonDialog : public HelpDialog {
    Q_OBJECT
public:
    // `saveSettings` writes the settings store; it reports its own failures.
    CashOutButtonDialog(GameOptions& options, SlotGame& game, HelpViewer& help, std::function<void()> saveSettings,
               QWidget* owner);

protected:
    void showEvent(QShowEvent* e) override;

private:
    void fillControls();
    void btnOK_Click();

    GameOptions& m_options;
    SlotGame& m_game;
    std::function<void()> m_saveSettings;
    // What OK stores as CashOut: "Exit" or "New" as last selected, or empty
    // while neither option shows.
    std::string m_pending;
    QRadioButton* m_optExitGame = nullptr;
    QRadioButton* m_optNewGame = nullptr;
    QCheckBox* m_chkShowStats = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace strhaven
