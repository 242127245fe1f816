#include "play/MachineFace.h"

#include "assets/art/Art.h"
#include "play/FaceAccessibility.h"

#include <QAccessible>

namespace strhaven {

namespace {

constexpr int PositionLeft[3] = {355, 444, 533};
constexpr int PositionTop[3] = {12, 72, 132};
constexpr int ButtonTop = 262;
using art::ButtonSize;

DprPixmap buttonArt(art::Button b, art::ButtonState s)
{
    return DprPixmap([b, s](qreal dpr) { return art::button(b, s, dpr); });
}

} // namespace

// The printed rows in words a screen reader reads well: the art's captions
// are in capitals for the eye, and its cards say nothing to the ear.
std::vector<PayTableArea::Row> MachineFace::payTableRows(const PayTable& table)
{
    std::vector<PayTableArea::Row> rows;
    for (const art::PayRow& printed : art::payRows(table))
        rows.push_back({payRowName(printed.combination), printed.pays});
    return rows;
}

QString MachineFace::payRowName(Combination combination)
{
    switch (combination) {
    case Combination::ThreeEmblems: return tr("3 emblems");
    case Combination::EmblemOnEveryWheel: return tr("Any 3 emblems");
    case Combination::ThreeRedSevens: return tr("3 red sevens");
    case Combination::ThreeWhiteSevens: return tr("3 white sevens");
    case Combination::AnyThreeSevens: return tr("Any 3 sevens");
    case Combination::ThreeTripleBars: return tr("3 triple bars");
    case Combination::ThreeDoubleBars: return tr("3 double bars");
    case Combination::ThreeSingleBars: return tr("3 single bars");
    case Combination::AnyThreeBars: return tr("Any 3 bars");
    case Combination::TwoEmblems: return tr("Any 2 emblems");
    case Combination::OneEmblem: return tr("Any 1 emblem");
    case Combination::None: break;
    }
    return QString();
}

MachineFace::MachineFace(const PayTable& table, QWidget* parent) : PictureBox(parent)
{
    installFaceAccessibility();
    setObjectName("machineFace");
    setPicture(DprPixmap([table](qreal dpr) { return art::machineFace(table, dpr); }));
    for (int s = 0; s < 7; ++s)
        m_symbols[static_cast<std::size_t>(s)] =
            DprPixmap([s](qreal dpr) { return art::symbol(symbolFromIndex(s), dpr); });

    for (int i = 0; i < 9; ++i) {
        auto* p = new ReelPosition([this](int s, qreal dpr) -> const QPixmap& { return symbolArt(s, dpr); }, this);
        p->setObjectName(QStringLiteral("position%1").arg(i + 1));
        m_positions[static_cast<std::size_t>(i)] = p;
    }

    m_payline = new PayLine([this] { return payLineText(); }, this);
    m_payline->setObjectName("payLine");
    m_payline->setAccessibleName(tr("Pay line"));
    m_announcer = new Announcer(this);

    m_wheelWindowTop = new PictureBox(this);
    m_wheelWindowTop->setObjectName("wheelWindowTop");
    m_wheelWindowTop->setPicture(DprPixmap([](qreal dpr) { return art::frameTop(dpr); }));
    m_displayPanel = new PictureBox(this);
    m_displayPanel->setObjectName("displayPanel");
    m_displayPanel->setPicture(DprPixmap([](qreal dpr) { return art::frameBottom(dpr); }));
    m_wonDisplay = makeDisplay(m_displayPanel, "wonDisplay", tr("Won"));
    m_creditsDisplay = makeDisplay(m_displayPanel, "creditsDisplay", tr("Credits"));
    m_betDisplay = makeDisplay(m_displayPanel, "betDisplay", tr("Bet"));

    m_denomination = new PictureBox(this);
    m_denomination->setObjectName("denomination");

    const art::Button kinds[3] = {art::Button::Play1, art::Button::Play2, art::Button::PlayMax};
    for (int bet = 1; bet <= 3; ++bet) {
        auto* b = new ImageButton(this);
        b->setObjectName(QStringLiteral("play%1Button").arg(bet));
        b->setAccessibleName(bet == 3 ? tr("Play Max") : tr("Play %1").arg(bet));
        const art::Button k = kinds[bet - 1];
        b->setPictures(buttonArt(k, art::ButtonState::Normal), buttonArt(k, art::ButtonState::Pressed),
                       buttonArt(k, art::ButtonState::Disabled));
        connect(b, &QAbstractButton::clicked, this, [this, bet] { emit playClicked(bet); });
        m_play[static_cast<std::size_t>(bet - 1)] = b;
    }
    m_cashOut = new ImageButton(this);
    m_cashOut->setObjectName("cashOutButton");
    m_cashOut->setAccessibleName(tr("Cash Out"));
    m_cashOut->setPictures(buttonArt(art::Button::CashOut, art::ButtonState::Normal),
                           buttonArt(art::Button::CashOut, art::ButtonState::Pressed),
                           buttonArt(art::Button::CashOut, art::ButtonState::Disabled));
    connect(m_cashOut, &QAbstractButton::clicked, this, &MachineFace::cashOutClicked);

    for (const art::BillPlace& place : art::BillPlaces) {
        auto* slot = new BillSlot(place.dollars, this);
        slot->setObjectName(QStringLiteral("bill%1Slot").arg(place.dollars));
        slot->setToolTip(tr("Insert a $%1 bill").arg(place.dollars));
        slot->setAccessibleName(slot->toolTip());
        const int dollars = place.dollars;
        connect(slot, &QAbstractButton::clicked, this, [this, dollars] { emit billClicked(dollars); });
        m_billSlots[place.dollars] = slot;
    }
    // Made last, the pay table (which can be hidden) comes last in Tab's
    // round.
    m_payTable = new PayTableArea(payTableRows(table), this);
    m_payTable->setObjectName("payTable");
    m_payTable->setAccessibleName(tr("Pay table"));
    // Tab goes through the controls as they lie, the buttons' row first.
    QWidget* order[] = {m_cashOut, m_play[0], m_play[1], m_play[2], m_billSlots.at(5), m_billSlots.at(10),
                        m_billSlots.at(20), m_billSlots.at(50), m_billSlots.at(100), m_payTable};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    layOut();
}

QLabel* MachineFace::makeDisplay(QWidget* parent, const char* objectName, const QString& name)
{
    auto* label = new FaceDisplay(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setAccessibleName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setBold(true);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(pal);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

const QPixmap& MachineFace::symbolArt(int symbol, qreal dpr)
{
    return m_symbols[static_cast<std::size_t>(symbol)].at(dpr);
}

void MachineFace::layOut()
{
    setGeometry(QRect(QPoint(0, 0), art::FaceSize));
    for (int i = 0; i < 9; ++i)
        m_positions[static_cast<std::size_t>(i)]->setGeometry(PositionLeft[i % 3], PositionTop[i / 3], 80, 60);
    m_payline->setGeometry(331, 98, 295, 1);
    m_payTable->setGeometry(art::payCellRect(0, 0).united(art::payCellRect(int(m_payTable->rows().size()) - 1, 3)).toAlignedRect());
    // The top strip hangs 97 twips (6.5 px) above the face; whole pixels here.
    m_wheelWindowTop->setGeometry(344, -6, 279, 18);
    m_displayPanel->setGeometry(345, 192, 277, 45);
    m_wonDisplay->setGeometry(24, 23, 48, 14);
    m_creditsDisplay->setGeometry(118, 23, 67, 14);
    m_betDisplay->setGeometry(232, 23, 24, 14);
    m_denomination->setGeometry(283, 196, 42, 38);
    m_cashOut->setGeometry(QRect(QPoint(286, ButtonTop), ButtonSize));
    const int playLeft[3] = {374, 462, 550};
    for (int bet = 1; bet <= 3; ++bet)
        m_play[static_cast<std::size_t>(bet - 1)]->setGeometry(QRect(QPoint(playLeft[bet - 1], ButtonTop), ButtonSize));
    for (const art::BillPlace& place : art::BillPlaces)
        m_billSlots.at(place.dollars)->setGeometry(place.rect);
    m_payline->raise();
}

void MachineFace::showGrid(const ReelGrid& grid)
{
    for (int i = 0; i < ReelGrid::Positions; ++i)
        showPosition(grid, i);
}

void MachineFace::showPosition(const ReelGrid& grid, int pos)
{
    m_positions[static_cast<std::size_t>(pos)]->setSymbol(grid.isEmpty(pos) ? std::nullopt
                                                                            : std::optional<int>(toIndex(grid.at(pos))));
}

static void setDisplay(QLabel* label, const QString& text, bool repaintNow)
{
    label->setText(text);
    if (repaintNow)
        label->repaint();
}

void MachineFace::setWonText(const QString& text, bool repaintNow) { setDisplay(m_wonDisplay, text, repaintNow); }
void MachineFace::setPlayedText(const QString& text, bool repaintNow) { setDisplay(m_betDisplay, text, repaintNow); }
void MachineFace::setCreditsText(const QString& text, bool repaintNow) { setDisplay(m_creditsDisplay, text, repaintNow); }

void MachineFace::setDenomination(int cents)
{
    m_cents = cents;
    m_denomination->setPicture(DprPixmap([cents](qreal dpr) { return art::denomination(cents, dpr); }));
}

void MachineFace::setFiveDollarSlotShut(bool shut) { m_billSlots.at(5)->setShut(shut); }

void MachineFace::setButtonDown(int bet, bool down)
{
    (bet == 0 ? m_cashOut : m_play[static_cast<std::size_t>(bet - 1)])->setDown(down);
}

void MachineFace::setLocked(bool locked)
{
    for (auto* b : m_play)
        b->setLocked(locked);
    m_cashOut->setLocked(locked);
    for (auto& [dollars, slot] : m_billSlots)
        slot->setLocked(locked);
}

QString MachineFace::symbolName(int symbol)
{
    switch (symbolFromIndex(symbol)) {
    case Symbol::Blank: return tr("Blank");
    case Symbol::Emblem: return tr("Emblem");
    case Symbol::RedSeven: return tr("Red Seven");
    case Symbol::TripleBar: return tr("Triple Bar");
    case Symbol::DoubleBar: return tr("Double Bar");
    case Symbol::WhiteSeven: return tr("White Seven");
    case Symbol::SingleBar: return tr("Single Bar");
    }
    return {};
}

QString MachineFace::payLineText() const
{
    QStringList names;
    for (int wheel = 0; wheel < 3; ++wheel) {
        const std::optional<int> symbol = m_positions[std::size_t(ReelGrid::position(wheel, 1))]->symbol();
        names << (symbol ? symbolName(*symbol) : tr("nothing"));
    }
    return names.join(QStringLiteral(", "));
}

// The text a screen reader holds for a control changed from `before` to
// `after`: it reads the change as it reads typed text.
static void announceText(QWidget* control, const QString& before, const QString& after)
{
    QAccessibleTextUpdateEvent changed(control, 0, before, after);
    QAccessible::updateAccessibility(&changed);
}

void MachineFace::announceDisplays()
{
    for (QLabel* display : {m_wonDisplay, m_creditsDisplay, m_betDisplay}) {
        const QString shown = display->text().trimmed();
        QString& announced = m_announced[display];
        if (shown == announced)
            continue;
        announceText(display, std::exchange(announced, shown), shown);
    }
}

void MachineFace::announcePayLine(Announce when)
{
    const QString symbols = payLineText();
    QString& announced = m_announced[m_payline];
    if (symbols == announced && when == Announce::IfChanged)
        return;
    announceText(m_payline, std::exchange(announced, symbols), symbols);
    QAccessibleEvent described(m_payline, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
}

void MachineFace::announce(const QString& text) { m_announcer->announce(text); }

void MachineFace::setPayTableShown(bool shown) { m_payTable->setVisible(shown); }

} // namespace strhaven
