#include "KeyboardPlay.h"

#include "FaceWidgets.h"
#include "HelpViewer.h"
#include "MachineFace.h"
#include "SlotMachine.h"

#include <QKeyEvent>

namespace strhaven {

namespace {

constexpr int Left = 1;
constexpr int AltAlone = 4;
constexpr int CashOutButton = 0; // MachineFace::showButtonPicture's number for Cash Out

// The button a key stands for: a bet of 1 to 3, Cash Out, or none.
std::optional<int> buttonOf(int key)
{
    switch (key) {
    case Qt::Key_1: return 1;
    case Qt::Key_2: return 2;
    case Qt::Key_3:
    case Qt::Key_M: return 3;
    case Qt::Key_C: return CashOutButton;
    default: return std::nullopt;
    }
}

int billOf(int key)
{
    switch (key) {
    case Qt::Key_F5: return 5;
    case Qt::Key_F6: return 10;
    case Qt::Key_F7: return 20;
    case Qt::Key_F8: return 50;
    case Qt::Key_F9: return 100;
    default: return 0;
    }
}

} // namespace

KeyboardPlay::KeyboardPlay(Parts parts) : m_p(std::move(parts)) {}

bool KeyboardPlay::allowed(int shift) const
{
    return m_p.machine.isIdle() && (shift == 0 || shift == AltAlone);
}

bool KeyboardPlay::Form_KeyDown(int key, int shift, bool)
{
    if (!allowed(shift))
        return false;
    if (const auto button = buttonOf(key)) {
        m_p.face.showButtonPicture(*button, ImageButton::Picture::Pressed);
        return true;
    }
    return key == Qt::Key_F1 || billOf(key) != 0;
}

bool KeyboardPlay::Form_KeyUp(int key, int shift, bool autoRepeat)
{
    // A held key repeats only its press: the action runs once, when it is
    // really let go.
    if (autoRepeat || !allowed(shift))
        return false;
    if (const auto button = buttonOf(key)) {
        m_p.face.showButtonPicture(*button, ImageButton::Picture::Normal);
        if (*button == CashOutButton)
            m_p.cashOutMouseUp(Left, 0);
        else
            m_p.machine.imgPlay_MouseUp(*button, Left, 0);
        return true;
    }
    if (key == Qt::Key_F1) {
        ShowHelp(m_p.help, m_p.window, HelpCommand::Topic, HelpTopic::HowToPlay);
        return true;
    }
    if (const int bill = billOf(key)) {
        // The $5 slot is shut on the machines that take no $5 bill.
        if (m_p.face.billSlot(bill)->isEnabled())
            m_p.machine.InsertBills(bill);
        return true;
    }
    return false;
}

bool KeyboardPlay::keyEvent(const QKeyEvent& event)
{
    const int shift = shiftNumber(event.modifiers());
    if (event.type() == QEvent::KeyPress)
        return Form_KeyDown(event.key(), shift, event.isAutoRepeat());
    if (event.type() == QEvent::KeyRelease)
        return Form_KeyUp(event.key(), shift, event.isAutoRepeat());
    return false;
}

} // namespace strhaven
