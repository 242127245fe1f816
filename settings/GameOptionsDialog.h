#pragma once

#include "core/GameOptions.h"
#include "widgets/HelpDialog.h"

#include <vector>

class QCheckBox;
class QRadioButton;
class QSlider;

namespace strhaven {

class DesignLayout;

// "Game Options": wheel speed, sounds, loading the last game, the machine's
// denomination and the payout mode. It edits a copy of the options in force;
// after OK, chosen() holds what the player chose, for the machine to take
// (it converts the credits). Cancel and the close box choose nothing.
class GameOptionsDialog : public HelpDialog {
    Q_OBJECT
public:
    GameOptionsDialog(const GameOptions& current, HelpViewer& help, QWidget* owner);

    const GameOptions& chosen() const { return m_options; }
    static QString wheelSpeedText(int speed);

protected:
    void showEvent(QShowEvent* e) override;

private:
    struct MachineOption {
        QRadioButton* button;
        float machine;
    };
    struct PayoutOption {
        QRadioButton* button;
        PayoutMode mode;
    };

    void createSoundFrame(DesignLayout& layout);
    void createWheelSpeedFrame(DesignLayout& layout);
    void createMachineFrame(DesignLayout& layout);
    void createPayoutFrame(DesignLayout& layout);
    void fillControls();
    void soundSwitched();
    void okClicked();

    GameOptions m_options;
    // The choices OK applies, as the radio buttons last selected them.
    float m_selectedMachine = DefaultMachine;
    PayoutMode m_selectedMode = DefaultPayout;
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
