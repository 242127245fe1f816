// strhaven_artsheet [folder]: writes each picture at 1x, 1.5x and 2x, and the
// machine face with every control's picture laid where the window puts it.
#include "assets/art/Art.h"
#include "core/ReelGrid.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>

#include <cstdio>

using namespace strhaven;

namespace {

QString g_folder;
int g_failures = 0;

void save(const QPixmap& pm, const QString& name, qreal dpr)
{
    const QString path = QStringLiteral("%1/%2@%3x.png").arg(g_folder, name).arg(dpr);
    if (!pm.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ++g_failures;
    }
}

QString symbolName(Symbol s)
{
    static const char* names[] = {"Blank", "Emblem", "RedSeven", "TripleBar", "DoubleBar", "WhiteSeven", "SingleBar"};
    return QString::fromLatin1(names[toIndex(s)]);
}

// The face as the main window shows it on first start.
QPixmap composite(const PayTable& table, qreal dpr)
{
    QPixmap pm = art::machineFace(table, dpr);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const ReelGrid grid = ReelGrid::defaultGrid();
    for (int pos = 0; pos < ReelGrid::Positions; ++pos)
        p.drawPixmap(QPointF(355 + 89 * (pos % 3), 12 + 60 * (pos / 3)), art::symbol(grid.at(pos), dpr));
    p.drawPixmap(QPointF(344, -6.5), art::frameTop(dpr));
    p.fillRect(QRectF(331, 98, 295, 1), Qt::black);
    p.drawPixmap(QPointF(345, 192), art::frameBottom(dpr));
    QFont digits(QStringLiteral("DejaVu Sans"));
    digits.setPixelSize(11);
    digits.setBold(true);
    p.setFont(digits);
    p.setPen(Qt::white);
    const struct { qreal x, w; const char* text; } labels[] = {{24, 48, "0"}, {118, 67, " 0"}, {232, 24, "0"}};
    for (const auto& l : labels)
        p.drawText(QRectF(345 + l.x, 192 + 23, l.w, 14), Qt::AlignRight | Qt::AlignVCenter, QString::fromLatin1(l.text));
    p.drawPixmap(QPointF(283, 196), art::denomination(100, dpr));
    const art::Button buttons[] = {art::Button::CashOut, art::Button::Play1, art::Button::Play2, art::Button::PlayMax};
    for (int i = 0; i < 4; ++i)
        p.drawPixmap(QPointF(286 + 88 * i, 262), art::button(buttons[i], art::ButtonState::Normal, dpr));
    return pm;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    g_folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("artsheet");
    if (!QDir().mkpath(g_folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(g_folder));
        return 1;
    }
    const PayTable table = BuildPayTable();
    for (qreal dpr : {1.0, 1.5, 2.0}) {
        save(art::machineFace(table, dpr), QStringLiteral("face"), dpr);
        save(composite(table, dpr), QStringLiteral("composite"), dpr);
        save(art::frameTop(dpr), QStringLiteral("frameTop"), dpr);
        save(art::frameBottom(dpr), QStringLiteral("frameBottom"), dpr);
        for (int i = 0; i < SymbolCount; ++i)
            save(art::symbol(symbolFromIndex(i), dpr), QStringLiteral("symbol-") + symbolName(symbolFromIndex(i)), dpr);
        const char* buttonNames[] = {"Play1", "Play2", "PlayMax", "CashOut"};
        const char* stateNames[] = {"Normal", "Pressed", "Disabled"};
        for (int b = 0; b < 4; ++b)
            for (int s = 0; s < 3; ++s)
                save(art::button(art::Button(b), art::ButtonState(s), dpr),
                     QStringLiteral("button-%1-%2").arg(QLatin1String(buttonNames[b]), QLatin1String(stateNames[s])), dpr);
        for (int cents : {5, 10, 25, 50, 100, 200, 500})
            save(art::denomination(cents, dpr), QStringLiteral("denomination-%1").arg(cents), dpr);
        save(art::splash(dpr), QStringLiteral("splash"), dpr);
        save(art::shortcutChart(dpr), QStringLiteral("shortcuts"), dpr);
    }
    const QIcon icon = art::programIcon();
    for (int size : {16, 32, 48, 64, 128, 256})
        save(icon.pixmap(size, size), QStringLiteral("icon-%1").arg(size), 1);
    QTextStream(stdout) << "pictures written to " << g_folder << Qt::endl;
    return g_failures == 0 ? 0 : 1;
}
