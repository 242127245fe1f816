#include "play/ShortcutChart.h"

#include "assets/art/Art.h"
#include "play/FaceWidgets.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace strhaven {

namespace {

// The window was sized around the chart from its outer edges: 7 pixels wider
// than the chart and 67 higher, OK centred on that outer width with its top
// 57 pixels above the outer bottom. With a title bar and borders of the usual
// 25 pixels that leaves OK 10 pixels under the chart and 7 above the bottom
// edge, which is the client area laid out here. The width is the chart's
// own: the frame's few pixels are not part of it, and a strip of window
// colour beside a white chart reads as a gap.
constexpr QSize OkSize{73, 25};
constexpr int OkTop = art::ShortcutChartSize.height() + 10;
constexpr QSize ClientSize{art::ShortcutChartSize.width(), OkTop + OkSize.height() + 7};

// The chart's picture, drawn for the screen's pixel ratio, under a label
// that a screen reader reads with the dialog: the picture's lines as text.
class ChartPicture final : public QLabel {
public:
    explicit ChartPicture(QWidget* parent) : QLabel(parent), m_picture(art::shortcutChart)
    {
        setAccessibleName(art::shortcutChartLines().join(QStringLiteral(". ")) + QLatin1Char('.'));
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawPixmap(0, 0, m_picture.at(devicePixelRatioF())); }

private:
    DprPixmap m_picture;
};

} // namespace

ShortcutChart::ShortcutChart(QWidget* owner)
    : OwnedDialog(owner)
{
    setObjectName("ShortcutChart");
    setWindowTitle(tr("Shortcut Keys"));
    setFixedSize(ClientSize);

    auto* chart = new ChartPicture(this);
    chart->setObjectName("chartPicture");
    chart->setGeometry(QRect(QPoint(0, 0), art::ShortcutChartSize));

    // Default and cancel at once: Enter and Esc both close the window.
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("btnOK");
    ok->setGeometry(QRect(QPoint((ClientSize.width() - OkSize.width()) / 2, OkTop), OkSize));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace strhaven
