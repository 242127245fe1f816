#include "play/StatisticsDialog.h"

#include "core/GameOptions.h"
#include "seams/HelpViewer.h"
#include "core/SlotGame.h"

#include "widgets/AccessibleFor.h"
#include "widgets/OverrideCursor.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace strhaven {

namespace {

struct Row {
    int top;
    const char* captionName;
    const char* caption;
    const char* valueName;
    QColor colour;
};

const Row Rows[] = {
    {10, "Label1", QT_TRANSLATE_NOOP("strhaven::StatisticsDialog", "Number of Spins:"), "lblSpins", QColor(255, 255, 0)},
    {41, "Label2", QT_TRANSLATE_NOOP("strhaven::StatisticsDialog", "Amount inserted:"), "lblAmtIns", QColor(0, 255, 0)},
    {65, "Label8", QT_TRANSLATE_NOOP("strhaven::StatisticsDialog", "Cash Out Value:"), "lblCreditsValue", QColor(0, 255, 0)},
    {89, "Label9", QT_TRANSLATE_NOOP("strhaven::StatisticsDialog", "You are down:"), "lblAheadorDown", QColor(0, 255, 0)},
    {119, "Label3", QT_TRANSLATE_NOOP("strhaven::StatisticsDialog", "Credits played:"), "lblPlayed", QColor(0, 255, 255)},
    {143, "Label4", QT_TRANSLATE_NOOP("strhaven::StatisticsDialog", "Credits won:"), "lblWon", QColor(0, 255, 255)},
    {167, "Label5", QT_TRANSLATE_NOOP("strhaven::StatisticsDialog", "Percent of return:"), "lblReturn", QColor(0, 255, 255)},
};

// The row of Label9 says where the player stands, in one of these; its
// caption column is as wide as the widest of them, whichever shows.
const char* const Standings[] = {
    QT_TRANSLATE_NOOP("strhaven::StatisticsDialog", "You are ahead:"),
    QT_TRANSLATE_NOOP("strhaven::StatisticsDialog", "You are even:"),
    QT_TRANSLATE_NOOP("strhaven::StatisticsDialog", "You are down:"),
};

// A figure, read by a screen reader as its caption and the figure at once
// ("Credits won: 40"), so that each caption is heard once, where it is
// read with its dialog. The caption beside it is its label for the eye only.
class Figure final : public QLabel {
public:
    Figure(QLabel* caption, QWidget* parent) : QLabel(parent), m_caption(caption) { m_caption->setBuddy(this); }
    QString spoken() const { return m_caption->text() + QLatin1Char(' ') + text().trimmed(); }

private:
    QLabel* m_caption;
};

// Neither labelled by its caption (a reader would then read neither) nor
// anything but text.
class FigureAccessible final : public QAccessibleWidget {
public:
    explicit FigureAccessible(QWidget* figure) : QAccessibleWidget(figure, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<const Figure*>(widget())->spoken().trimmed()
                                      : QAccessibleWidget::text(t);
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation) const override
    {
        return {};
    }
};

} // namespace

StatisticsDialog::StatisticsDialog(const SlotGame& game, const GameOptions& options, HelpViewer& help, QWidget* owner)
    : HelpDialog(help, HelpTopic::Statistics, owner)
{
    setObjectName("StatisticsDialog");
    setWindowTitle(tr("Game Statistics"));
    readAccessiblyAs<Figure, FigureAccessible>();
    // The captions keep their places, widened when the user's
    // font needs more room than 93 pixels, so no caption is ever cut off.
    int captionWidth = 93;
    for (const Row& row : Rows)
        captionWidth = std::max(captionWidth, fontMetrics().horizontalAdvance(tr(row.caption)) + 4);
    for (const char* standing : Standings)
        captionWidth = std::max(captionWidth, fontMetrics().horizontalAdvance(tr(standing)) + 4);
    const int valueLeft = 7 + captionWidth;
    // Room for the largest figure a game can reach.
    const int valueWidth = std::max(63, fontMetrics().horizontalAdvance(money(100000.0) + QLatin1Char(' ')) + 6);
    setFixedSize(valueLeft + valueWidth + 10, 227);
    for (const Row& row : Rows) {
        auto* caption = new QLabel(tr(row.caption), this);
        caption->setObjectName(row.captionName);
        caption->setGeometry(7, row.top, captionWidth, 17);
        auto* value = new Figure(caption, this);
        value->setObjectName(row.valueName);
        value->setGeometry(valueLeft, row.top, valueWidth, 17);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setFrameShape(QFrame::Box);
        value->setAutoFillBackground(true);
        QPalette pal = value->palette();
        pal.setColor(QPalette::Window, Qt::black);
        pal.setColor(QPalette::WindowText, row.colour);
        value->setPalette(pal);
    }
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("btnOK");
    ok->setGeometry(10, 193, 73, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* helpButton = new QPushButton(tr("&Help"), this);
    helpButton->setObjectName("btnHelp");
    helpButton->setGeometry(90, 193, 73, 25);
    helpButton->setAutoDefault(false);
    connect(helpButton, &QPushButton::clicked, this, &StatisticsDialog::showHelpTopic);
    showFigures(game, options);
}

QLabel* StatisticsDialog::label(const char* name) const { return findChild<QLabel*>(QString::fromLatin1(name)); }

// The figures in the locale's digits, and the sign where the program's
// language puts it ("$20.00" in English, "20,00 $" in German).
QString StatisticsDialog::money(double dollars)
{
    return tr("$%1", "an amount of money").arg(QLocale().toString(dollars, 'f', 2));
}

QString StatisticsDialog::count(qint64 n) { return QLocale().toString(n); }

QString StatisticsDialog::percent(double ratio)
{
    QLocale plain = QLocale();
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return tr("%1%", "a percentage").arg(plain.toString(ratio * 100.0, 'f', 2));
}

void StatisticsDialog::showFigures(const SlotGame& game, const GameOptions& options)
{
    OverrideCursor cursor(Qt::WaitCursor);
    // Single precision, so that a value the player reckons exact is shown
    // exact: 2 credits at 0.2 per dollar are $10.00 and "even", where double
    // precision would make them a hair less and the player "down".
    const float cashOutValue = static_cast<float>(game.credits) / options.machine;
    const float difference = cashOutValue - static_cast<float>(game.amountInserted);
    auto set = [this](const char* name, const QString& text) { label(name)->setText(text + QLatin1Char(' ')); };
    if (std::isfinite(cashOutValue)) {
        set("lblCreditsValue", money(cashOutValue));
        label("Label9")->setText(tr(Standings[difference > 0 ? 0 : difference == 0 ? 1 : 2]));
        set("lblAheadorDown", money(std::fabs(difference)));
    }
    set("lblSpins", count(game.spins));
    set("lblAmtIns", money(game.amountInserted));
    set("lblPlayed", count(game.creditsPlayed));
    set("lblWon", count(game.creditsWon));
    if (game.creditsPlayed > 0)
        set("lblReturn", percent(static_cast<double>(game.creditsWon) / game.creditsPlayed));
    else
        set("lblReturn", QString()); // nothing played, nothing to compare
}

} // namespace strhaven
