#include "settings/GameOptionsDialog.h"

#include "core/Denomination.h"
#include "widgets/Announcer.h"
#include "widgets/DesignLayout.h"
#include "core/GameOptions.h"
#include "core/PayoutMode.h"
#include "widgets/OverrideCursor.h"
#include "widgets/RadioTabStop.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QShowEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace strhaven {

namespace {

struct PayoutCaption {
    PayoutMode mode;
    const char* caption;
};
const PayoutCaption PayoutCaptions[] = {
    {PayoutMode::Fantasy, QT_TRANSLATE_NOOP("strhaven::GameOptionsDialog", "Fantasy")},
    {PayoutMode::GoodDay, QT_TRANSLATE_NOOP("strhaven::GameOptionsDialog", "A good day")},
    {PayoutMode::Realistic, QT_TRANSLATE_NOOP("strhaven::GameOptionsDialog", "Realistic")},
};

// The machines' captions, marked here for translation because core knows
// no Qt; they must be core's own, in core's order.
constexpr const char* MachineCaptions[] = {
    QT_TRANSLATE_NOOP("strhaven::GameOptionsDialog", "Nickel"),
    QT_TRANSLATE_NOOP("strhaven::GameOptionsDialog", "Dime"),
    QT_TRANSLATE_NOOP("strhaven::GameOptionsDialog", "Quarter"),
    QT_TRANSLATE_NOOP("strhaven::GameOptionsDialog", "Half Dollar"),
    QT_TRANSLATE_NOOP("strhaven::GameOptionsDialog", "Dollar"),
    QT_TRANSLATE_NOOP("strhaven::GameOptionsDialog", "Two Dollars"),
    QT_TRANSLATE_NOOP("strhaven::GameOptionsDialog", "Five Dollars"),
};
constexpr bool captionsAreCores()
{
    if (std::size(MachineCaptions) != Denominations.size())
        return false;
    for (std::size_t i = 0; i < Denominations.size(); ++i)
        if (Denominations[i].caption != MachineCaptions[i])
            return false;
    return true;
}
static_assert(captionsAreCores(), "every machine caption is marked for translation");

QString optionName(std::string_view caption)
{
    return QStringLiteral("opt") + QString::fromLatin1(caption.data(), qsizetype(caption.size())).remove(QLatin1Char(' '));
}

} // namespace

GameOptionsDialog::GameOptionsDialog(const GameOptions& current, HelpViewer& help, QWidget* owner)
    : HelpDialog(help, HelpTopic::GameOptions, owner)
    , m_options(current)
{
    setObjectName("GameOptionsDialog");
    setWindowTitle(tr("Game Options"));

    // Created in the order of the screen, the left column down, then the
    // right, then the buttons from left to right: the focus chain follows
    // creation.
    DesignLayout layout(this, {364, 315});
    createWheelSpeedFrame(layout);
    createSoundFrame(layout);
    m_chkLoadLastFile =
        layout.place(new QCheckBox(tr("Load last game on startup."), this), "chkLoadLastFile", {33, 240, 167, 29});
    createMachineFrame(layout);
    createPayoutFrame(layout);
    auto* ok = layout.place(new QPushButton(tr("OK"), this), "btnOK", {117, 282, 73, 25});
    ok->setDefault(true);
    auto* cancel = layout.place(new QPushButton(tr("Cancel"), this), "btnCancel", {197, 282, 73, 25});
    auto* helpButton = layout.place(new QPushButton(tr("&Help"), this), "btnHelp", {277, 282, 73, 25});
    layout.apply();
    QList<QRadioButton*> machines, payouts;
    for (const auto& m : m_machines)
        machines << m.button;
    for (const auto& p : m_payouts)
        payouts << p.button;
    tabStopAtCheckedRadio(machines);
    tabStopAtCheckedRadio(payouts);

    connect(m_chkSound, &QCheckBox::clicked, this, &GameOptionsDialog::soundSwitched);
    connect(ok, &QPushButton::clicked, this, &GameOptionsDialog::okClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, &HelpDialog::showHelpTopic);
}

void GameOptionsDialog::createSoundFrame(DesignLayout& layout)
{
    auto* frame = layout.place(new QGroupBox(tr("Sound Options"), this), "frameSound", {10, 100, 201, 125});
    m_chkSound = layout.place(new QCheckBox(tr("Use Sound Effects"), frame), "chkSound", {12, 20, 133, 17});
    m_chkWheelSound =
        layout.place(new QCheckBox(tr("While wheels are spinning"), frame), "chkWheelSound", {36, 44, 157, 17});
    m_chkCoinSound = layout.place(new QCheckBox(tr("When coins go in or out"), frame), "chkCoinSound", {36, 68, 157, 21});
    m_chkJackPotSound =
        layout.place(new QCheckBox(tr("When winning a Jack Pot"), frame), "chkJackPotSound", {36, 96, 157, 17});
}

void GameOptionsDialog::createWheelSpeedFrame(DesignLayout& layout)
{
    auto* frame = layout.place(new QGroupBox(tr("Wheel Speed"), this), "frameWheelSpeed", {10, 10, 205, 73});
    m_wheelSpeed = layout.place(new QSlider(Qt::Horizontal, frame), "WheelSpeed", {4, 32, 197, 33});
    m_wheelSpeed->setRange(0, 10);
    m_wheelSpeed->setTickInterval(1);
    m_wheelSpeed->setTickPosition(QSlider::TicksBelow);
    // Eleven settings only: a click beside the handle moves one of them.
    m_wheelSpeed->setPageStep(1);
    m_wheelSpeed->setAccessibleDescription(tr("From faster to slower"));
    // Moved by the player, the meaning is told too: a reader says only the
    // figure of a slider whose value changes.
    auto* announcer = new Announcer(this);
    connect(m_wheelSpeed, &QSlider::valueChanged, this, [this, announcer](int speed) {
        m_wheelSpeed->setAccessibleName(wheelSpeedText(speed));
        if (m_wheelSpeed->hasFocus())
            announcer->announce(wheelSpeedText(speed));
    });
    m_wheelSpeed->setAccessibleName(wheelSpeedText(m_wheelSpeed->value()));
    layout.place(new QLabel(tr("Faster"), frame), "Label1", {12, 16, 45, 13});
    // Over the slider's right end, and ending there however wide the word.
    auto* slower = layout.place(new QLabel(tr("Slower"), frame), "Label2", {143, 16, 53, 21});
    slower->setAlignment(Qt::AlignRight | Qt::AlignTop);
}

// What a speed means, for a screen reader: a bare figure says nothing of
// which end is the quicker.
QString GameOptionsDialog::wheelSpeedText(int speed)
{
    if (speed <= 0)
        return tr("Wheel speed %1, fastest").arg(speed);
    if (speed >= 10)
        return tr("Wheel speed %1, slowest").arg(speed);
    const int middle = GameOptions().wheelSpeed;
    if (speed == middle)
        return tr("Wheel speed %1, middle").arg(speed);
    return speed < middle ? tr("Wheel speed %1, faster").arg(speed) : tr("Wheel speed %1, slower").arg(speed);
}

void GameOptionsDialog::createMachineFrame(DesignLayout& layout)
{
    auto* frame = layout.place(new QGroupBox(tr("Machine"), this), "frameMachine", {230, 10, 121, 167});
    int top = 20;
    for (const Denomination& d : Denominations) {
        auto* option =
            layout.place(new QRadioButton(tr(d.caption.data()), frame), optionName(d.caption), {12, top, 97, 17});
        top += 20;
        const float machine = d.machine;
        connect(option, &QRadioButton::toggled, this, [this, machine](bool on) {
            if (on)
                m_selectedMachine = machine;
        });
        m_machines.push_back({option, machine});
    }
}

void GameOptionsDialog::createPayoutFrame(DesignLayout& layout)
{
    auto* frame = layout.place(new QGroupBox(tr("Payout Percentage"), this), "framePayout", {230, 184, 121, 87});
    int top = 20;
    for (const PayoutCaption& p : PayoutCaptions) {
        const PayoutMode mode = p.mode;
        auto* option = layout.place(new QRadioButton(tr(p.caption), frame), optionName(toString(mode)), {12, top, 97, 17});
        top += 20;
        connect(option, &QRadioButton::toggled, this, [this, mode](bool on) {
            if (on)
                m_selectedMode = mode;
        });
        m_payouts.push_back({option, mode});
    }
}

void GameOptionsDialog::showEvent(QShowEvent* e)
{
    if (!e->spontaneous())
        fillControls();
    HelpDialog::showEvent(e);
}

void GameOptionsDialog::fillControls()
{
    OverrideCursor cursor(Qt::WaitCursor);
    // The default machine shows for a value that matches none of them.
    for (const auto& m : m_machines)
        if (m.machine == DefaultMachine)
            m.button->setChecked(true);
    m_wheelSpeed->setValue(m_options.wheelSpeed);
    m_chkSound->setChecked(m_options.sound);
    m_chkWheelSound->setChecked(m_options.wheelSound);
    m_chkCoinSound->setChecked(m_options.coinSound);
    m_chkJackPotSound->setChecked(m_options.jackPotSound);
    soundSwitched();
    m_chkLoadLastFile->setChecked(m_options.loadLastFile);

    m_selectedMachine = m_options.machine;
    for (const auto& m : m_machines)
        if (m.machine == m_options.machine)
            m.button->setChecked(true);
    m_selectedMode = m_options.payout;
    for (const auto& p : m_payouts)
        if (p.mode == m_options.payout)
            p.button->setChecked(true);
}

void GameOptionsDialog::soundSwitched()
{
    const bool on = m_chkSound->isChecked();
    for (QCheckBox* kind : {m_chkWheelSound, m_chkCoinSound, m_chkJackPotSound})
        kind->setEnabled(on);
}

void GameOptionsDialog::okClicked()
{
    m_options.wheelSpeed = m_wheelSpeed->value();
    m_options.coinSound = m_chkCoinSound->isChecked();
    m_options.jackPotSound = m_chkJackPotSound->isChecked();
    m_options.wheelSound = m_chkWheelSound->isChecked();
    m_options.sound = m_chkSound->isChecked();
    m_options.loadLastFile = m_chkLoadLastFile->isChecked();
    m_options.machine = m_selectedMachine;
    m_options.payout = m_selectedMode;
    accept();
}

} // namespace strhaven
