#include "play/KeyboardPlay.h"

#include "assets/art/Art.h"
#include "play/FaceWidgets.h"
#include "seams/HelpViewer.h"
#include "seams/KeyboardState.h"
#include "play/MachineFace.h"
#include "play/MachineOperator.h"

#include <QKeyEvent>

namespace strhaven {

namespace {

constexpr int CashOutButton = 0; // MachineFace::setButtonDown's number for Cash Out

// The scan codes of the number row's 1, 2 and 3 keys: where they lie, not
// what they type. Linux's display servers give XKB key codes (the kernel's
// plus 8), Windows gives set 1 scan codes, macOS its virtual key codes.
#if defined(Q_OS_MACOS)
constexpr quint32 NumberRow[3] = {0x12, 0x13, 0x14};
#elif defined(Q_OS_WIN)
constexpr quint32 NumberRow[3] = {0x02, 0x03, 0x04};
#else
constexpr quint32 NumberRow[3] = {10, 11, 12};
#endif

// The letter a button's caption underlines, in the player's language (M
// for Play Max and C for Cash Out in English), as a key; none for a digit.
int captionKey(art::Button b)
{
    const QString caption = art::buttonCaption(b);
    const qsizetype at = caption.indexOf(u'&');
    if (at < 0 || at + 1 >= caption.size() || !caption.at(at + 1).isLetter())
        return 0;
    // A letter's key code is its capital's code point.
    return caption.at(at + 1).toUpper().unicode();
}

// The button a key stands for: a bet of 1 to 3, Cash Out, or none.
std::optional<int> buttonOf(int key)
{
    switch (key) {
    case Qt::Key_1: return 1;
    case Qt::Key_2: return 2;
    case Qt::Key_3: return 3;
    default: break;
    }
    if (key == 0)
        return std::nullopt;
    if (key == captionKey(art::Button::PlayMax))
        return 3;
    if (key == captionKey(art::Button::CashOut))
        return CashOutButton;
    return std::nullopt;
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

int KeyboardPlay::gameKey(const QKeyEvent& event)
{
    // The keypad's digits are the keypad's, whatever the number row types.
    if (!(event.modifiers() & Qt::KeypadModifier) && event.nativeScanCode() != 0)
        for (int digit = 0; digit < 3; ++digit)
            if (event.nativeScanCode() == NumberRow[digit])
                return Qt::Key_1 + digit;
    return event.key();
}

bool KeyboardPlay::allowed(Qt::KeyboardModifiers modifiers) const
{
    const Qt::KeyboardModifiers held = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    return m_p.machine.isIdle() && (held == Qt::NoModifier || held == Qt::AltModifier);
}

bool KeyboardPlay::isGameKey(int key) const { return buttonOf(key) || billOf(key) || key == Qt::Key_F1; }

bool KeyboardPlay::keyPressed(int key, Qt::KeyboardModifiers modifiers)
{
    if (!allowed(modifiers))
        return false;
    if (const auto button = buttonOf(key)) {
        m_p.face.setButtonDown(*button, true);
        return true;
    }
    return isGameKey(key);
}

bool KeyboardPlay::keyReleased(int key, Qt::KeyboardModifiers modifiers)
{
    if (!allowed(modifiers))
        return false;
    if (const auto button = buttonOf(key)) {
        m_p.face.setButtonDown(*button, false);
        if (*button == CashOutButton)
            m_p.cashOut();
        else
            m_p.machine.play(*button);
        return true;
    }
    if (key == Qt::Key_F1) {
        ShowHelp(m_p.help, m_p.window, HelpCommand::Topic, HelpTopic::HowToPlay);
        return true;
    }
    if (const int bill = billOf(key)) {
        // Nothing on the machines whose $5 slot is shut.
        m_p.machine.insertBill(bill);
        return true;
    }
    return false;
}

bool KeyboardPlay::keyEvent(const QKeyEvent& event)
{
    const int key = gameKey(event);
    // Read out at any time, busy or not: it changes nothing.
    if (key == ReadOutKey && !(event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))) {
        if (event.type() == QEvent::KeyRelease && !event.isAutoRepeat())
            m_p.face.announce(m_p.machine.displaysText());
        return true;
    }
    if (!isGameKey(key))
        return false;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const quint64 place = event.nativeScanCode() != 0 ? event.nativeScanCode() : quint64(key) << 32;
    Held& held = m_keys[place];
    if (event.type() == QEvent::KeyPress) {
        // A repeat is a press at the very moment of a release: the release
        // was no real one either, however it was marked.
        const bool repeat = event.isAutoRepeat() || (held.releasedAt != 0 && event.timestamp() == held.releasedAt);
        if (!repeat && allowed(modifiers))
            held.down = true;
        return keyPressed(key, modifiers);
    }
    if (event.type() != QEvent::KeyRelease)
        return false;
    held.releasedAt = event.timestamp();
    // Held down still: the display repeats the key as release and press.
    const bool stillDown =
        event.isAutoRepeat() || (event.nativeScanCode() != 0 && m_p.keyboard.isKeyDown(event.nativeScanCode()));
    if (stillDown)
        return allowed(modifiers);
    // Only a key pressed while the machine was idle acts, and only once;
    // any other lets its button go.
    if (!std::exchange(held.down, false)) {
        if (const auto button = buttonOf(key); button && allowed(modifiers))
            m_p.face.setButtonDown(*button, false);
        return allowed(modifiers);
    }
    return keyReleased(key, modifiers);
}

} // namespace strhaven
