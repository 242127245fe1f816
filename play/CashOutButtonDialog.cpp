#include "play/CashOutButtonDialog.h"

#include "widgets/DesignLayout.h"
#include "widgets/RadioTabStop.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QShowEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace strhaven {

CashOutButtonDialog::CashOutButtonDialog(HelpViewer& help, QWidget* owner)
    : HelpDialog(help, HelpTopic::CashOutButton, owner)
{
    setObjectName("CashOutButtonDialog");
    setWindowTitle(tr("Configure Cash Out Button"));
    DesignLayout layout(this, {257, 195});
    auto* frame = layout.place(new QGroupBox(tr("Cash Out Button..."), this), "frameCashOut", {12, 8, 233, 109});
    m_optExitGame = layout.place(new QRadioButton(tr("...exits the game"), frame), "optExitGame", {12, 24, 145, 25});
    m_optNewGame = layout.place(new QRadioButton(tr("...starts a new game"), frame), "optNewGame", {12, 48, 173, 21});
    m_chkShowStats = layout.place(new QCheckBox(tr("Either way, show game stats first."), frame), "chkShowStats",
                                  {32, 68, 193, 25});
    m_ok = layout.place(new QPushButton(tr("OK"), this), "btnOK", {12, 160, 73, 25});
    m_ok->setDefault(true);
    auto* cancel = layout.place(new QPushButton(tr("Cancel"), this), "btnCancel", {92, 160, 73, 25});
    auto* helpButton = layout.place(new QPushButton(tr("&Help"), this), "btnHelp", {172, 160, 73, 25});
    auto* note = layout.place(
        new QLabel(tr("Note: If you use the Cash Out button, you will NOT be prompted to save the current game."), this),
        "Label1", {12, 120, 233, 28});
    note->setAlignment(Qt::AlignCenter);
    note->setWordWrap(true);
    layout.apply();
    tabStopAtCheckedRadio({m_optExitGame, m_optNewGame});

    // Selecting an option, by a click or by the opening steps, is the choice.
    connect(m_optExitGame, &QRadioButton::toggled, this, [this](bool on) { if (on) m_pending = CashOutAction::Exit; });
    connect(m_optNewGame, &QRadioButton::toggled, this, [this](bool on) { if (on) m_pending = CashOutAction::NewGame; });
    connect(m_ok, &QPushButton::clicked, this, &CashOutButtonDialog::okClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, &HelpDialog::showHelpTopic);
}

void CashOutButtonDialog::showEvent(QShowEvent* e)
{
    if (!e->spontaneous())
        fillControls();
    HelpDialog::showEvent(e);
}

void CashOutButtonDialog::fillControls()
{
    m_ok->setFocus();
    m_chkShowStats->setChecked(m_options.showStats);
    if (m_options.cashOut == CashOutAction::Exit) {
        m_optExitGame->setChecked(true);
    } else if (m_options.cashOut == CashOutAction::NewGame) {
        m_optNewGame->setChecked(true);
    } else {
        // Neither option shows, so OK must not store a choice made in an
        // earlier showing that the player then cancelled.
        for (QRadioButton* option : {m_optExitGame, m_optNewGame}) {
            option->setAutoExclusive(false);
            option->setChecked(false);
            option->setAutoExclusive(true);
        }
        m_pending = CashOutAction::Unchosen;
    }
}

bool CashOutButtonDialog::ask(const GameOptions& current)
{
    setOptions(current);
    return exec() == QDialog::Accepted;
}

void CashOutButtonDialog::okClicked()
{
    m_options.cashOut = m_pending;
    m_options.showStats = m_chkShowStats->isChecked();
    accept();
}

} // namespace strhaven
