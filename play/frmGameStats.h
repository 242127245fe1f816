#pragma once

#include <QDialog>

class QLabel;

namespace strhaven {

class HelpViewer;
struct GameOptions;
struct SlotGame;

// The game's totals, read-only: spins, money in, what the credits are worth,
// ahead/even/down, credits played and won, and the percent returned.
class frmGameStats : public QDialog {
    Q_OBJECT
public:
    frmGameStats(const SlotGame& game, const GameOptions& options, HelpViewer& help, QWidget* owner);

    // The formats on screen, with the user's separators.
    static QString money(double dollars);
    static QString count(qint64 n);
    static QString percent(double ratio);

    QLabel* label(const char* name) const;

protected:
    void keyReleaseEvent(QKeyEvent* e) override;
    void done(int result) override;

private:
    void showFigures(const SlotGame& game, const GameOptions& options);
    HelpViewer& m_help;
};

} // namespace strhaven
