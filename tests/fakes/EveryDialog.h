#pragma once

#include "fakes/FakeHelpViewer.h"
#include "core/SlotGame.h"
#include "play/CashOutButtonDialog.h"
#include "play/ShortcutChart.h"
#include "play/StatisticsDialog.h"
#include "settings/GameOptionsDialog.h"
#include "shell/AboutDialog.h"
#include "shell/HelpWindow.h"

#include <QStringList>
#include <QWidget>

#include <memory>

namespace strhaven {

// Each window the program shows beside the machine, made and shown by its
// title over a hidden owner: the statistics and options show the game and
// options set here first.
struct EveryDialog {
    FakeHelpViewer help;
    SlotGame game;
    GameOptions options;
    QWidget owner;

    static QStringList titles()
    {
        return {"Game Options", "Configure Cash Out Button", "Statistics", "About", "Keyboard Shortcuts", "Help"};
    }

    std::unique_ptr<QWidget> show(const QString& title)
    {
        std::unique_ptr<QWidget> window;
        if (title == "Game Options")
            window = std::make_unique<GameOptionsDialog>(options, help, &owner);
        else if (title == "Configure Cash Out Button")
            window = std::make_unique<CashOutButtonDialog>(help, &owner);
        else if (title == "Statistics")
            window = std::make_unique<StatisticsDialog>(game, options, help, &owner);
        else if (title == "About")
            window = std::make_unique<AboutDialog>(&owner);
        else if (title == "Keyboard Shortcuts")
            window = std::make_unique<ShortcutChart>(&owner);
        else {
            auto help = std::make_unique<HelpWindow>();
            help->showTopic(&owner, 0);
            window = std::move(help);
        }
        window->show();
        return window;
    }
};

} // namespace strhaven
