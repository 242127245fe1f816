#pragma once

#include "play/FaceWidgets.h"
#include "widgets/Announcer.h"
#include "core/PayTable.h"
#include "core/ReelGrid.h"

#include <QLabel>

#include <array>
#include <map>

namespace strhaven {

// The 640 x 424 machine face with every control at its place. It only
// shows things; the machine's operator (MachineOperator) drives it.
class MachineFace : public PictureBox {
    Q_OBJECT
public:
    static constexpr std::array<int, 5> Bills{5, 10, 20, 50, 100};

    explicit MachineFace(const PayTable& table, QWidget* parent = nullptr);

    // Lays every control out at its place and size (new games do it again).
    void layOut();

    void showGrid(const ReelGrid& grid);
    void showPosition(const ReelGrid& grid, int pos);
    void setWonText(const QString& text, bool repaintNow);
    void setPlayedText(const QString& text, bool repaintNow);
    void setCreditsText(const QString& text, bool repaintNow);
    void setDenomination(int cents);
    void setFiveDollarSlotShut(bool shut);

    // Locked while the machine is busy: the play buttons and Cash Out show
    // their disabled pictures, and no button or bill slot takes a press.
    // None is disabled, so the keyboard focus stays where it is.
    void setLocked(bool locked);

    // For a screen reader: the displays whose figures changed since the last
    // time are announced (not every credit of a count), and the pay line's
    // symbols once the wheels have stopped.
    void announceDisplays();
    // A message a screen reader speaks of its own accord.
    void announce(const QString& text);
    enum class Announce { IfChanged, Always };
    void announcePayLine(Announce when = Announce::IfChanged);
    QString payLineText() const;
    static QString symbolName(int symbol);
    // A pay table row, by the combination it pays, as a screen reader says it.
    static QString payRowName(Combination combination);
    // The pay table is hidden with the payouts panel.
    void setPayTableShown(bool shown);

    ReelPosition* position(int pos) const { return m_positions[static_cast<std::size_t>(pos)]; }
    ImageButton* playButton(int bet) const { return m_play[static_cast<std::size_t>(bet - 1)]; }
    ImageButton* cashOutButton() const { return m_cashOut; }
    BillSlot* billSlot(int dollars) const { return m_billSlots.at(dollars); }
    QLabel* wonLabel() const { return m_wonDisplay; }
    QLabel* creditsLabel() const { return m_creditsDisplay; }
    QLabel* playedLabel() const { return m_betDisplay; }
    int denominationShown() const { return m_cents; }

    // A play button (1..3) or, with 0, Cash Out shown held down, as a key
    // that stands for it is.
    void setButtonDown(int bet, bool down);

signals:
    // A button or bill slot pressed and let go: a plain left click, Space
    // or Enter, or a screen reader's press.
    void playClicked(int bet);
    void cashOutClicked();
    void billClicked(int dollars);

private:
    static std::vector<PayTableArea::Row> payTableRows(const PayTable& table);
    QLabel* makeDisplay(QWidget* parent, const char* objectName, const QString& name);
    const QPixmap& symbolArt(int symbol, qreal dpr);

    std::array<ReelPosition*, 9> m_positions{};
    std::array<ImageButton*, 3> m_play{};
    ImageButton* m_cashOut = nullptr;
    std::map<int, BillSlot*> m_billSlots;
    PayLine* m_payline = nullptr;
    PayTableArea* m_payTable = nullptr;
    Announcer* m_announcer = nullptr;
    std::map<QWidget*, QString> m_announced; // what a screen reader last heard each control say
    PictureBox* m_wheelWindowTop = nullptr;
    PictureBox* m_displayPanel = nullptr;
    PictureBox* m_denomination = nullptr;
    QLabel* m_wonDisplay = nullptr;
    QLabel* m_creditsDisplay = nullptr;
    QLabel* m_betDisplay = nullptr;
    int m_cents = 0;
    std::array<DprPixmap, 7> m_symbols;
};

} // namespace strhaven
