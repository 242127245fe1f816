#pragma once

#include "widgets/HelpDialog.h"

#include <exception>
#include <string>
#include <vector>

class QCheckBox;
class QRadioButton;
class QSlider;

namespace strhaven {

class DesignLayout;
class OptionsTarget;
struct GameOptions;
struct SlotGame;

// "Game Options": wheel speed, sounds, loading the last game, the machine's
// denomination and the payout mode. Nothing is applied before OK; Cancel and
// the close box leave everything as it was. Each showing starts again from
// the options in force.
class GameOptionsDialog : public HelpDialog {
    Q_OBJECT
public:
    GameOptionsDialog(GameOptions& options, SlotGame& game, OptionsTarget& target, HelpViewer& help, QWidget* owner);

    // OK puts the options in force and closes even when the settings store
    // cannot be written; whoever showed the dialog then reports the failure
    // under its own title.
    void rethrowSaveFailure() const;

protected:
    void showEvent(QShowEvent* e) override;

private:
    struct MachineOption {
        QRadioButton* button;
        float machine;
    };
    struct PayoutOption {
        QRadioButton* button;
        std::string mode;
    };

    void createSoundFrame(DesignLayout& layout);
    void createWheelSpeedFrame(DesignLayout& layout);
    void createMachineFrame(DesignLayout& layout);
    void createPayoutFrame(DesignLayout& layout);
    void fillControls();
    void chkSound_Click();
    void btnOK_Click();

    std::exception_ptr m_saveFailure;
    GameOptions& m_options;
    SlotGame& m_game;
    OptionsTarget& m_target;
    // The choices OK applies, kept apart from the options because a stored
    // value that matches no option must survive an OK that did not touch it.
    float m_selectedMachine = 0.0f;
    std::string m_selectedMode;
    QCheckBox* m_chkSound = nullptr;
    QCheckBox* m_chkWheelSound = nullptr;
    QCheckBox* m_chkCoinSound = nullptr;
    QCheckBox* m_chkJackPotSound = nullptr;
    QCheckBox* m_chkLoadLastFile = nullptr;
    QSlider* m_wheelSpeed = nullptr;
    std::vector<MachineOption> m_machines;
    std::vector<PayoutOption> m_payouts;
};

} // namespace strhaven
