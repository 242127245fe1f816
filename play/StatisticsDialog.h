#pragma once

#include "widgets/HelpDialog.h"

class QLabel;

namespace strhaven {

struct GameOptions;
struct SlotGame;

// The game's totals, read-only: spins, money in, what the credits are worth,
// ahead/even/down, credits played and won, and the percent returned.
class StatisticsDialog : public HelpDialog {
    Q_OBJECT
public:
    StatisticsDialog(const SlotGame& game, const GameOptions& options, HelpViewer& help, QWidget* owner);

    // The formats on screen, with the user's separators.
    static QString money(double dollars);
    static QString count(qint64 n);
    static QString percent(double ratio);

    QLabel* label(const char* name) const;

private:
    void showFigures(const SlotGame& game, const GameOptions& options);
};

} // namespace strhaven
