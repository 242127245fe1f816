#include "shell/AboutDialog.h"

#include "seams/AppTitle.h"
#include "shell/AppVersion.h"
#include "assets/art/Art.h"
#include "widgets/DesignLayout.h"
#include "play/FaceWidgets.h"

#include <QLabel>
#include <QPushButton>

namespace strhaven {

AboutDialog::AboutDialog(QWidget* owner)
    : OwnedDialog(owner)
{
    setObjectName("AboutDialog");
    setWindowTitle(tr("About %1").arg(ApplicationTitle()));

    // Drawn for the screen's pixel ratio, not scaled from another size. It
    // keeps its size when a large font scales the rest of the box.
    auto* icon = new PictureBox(this);
    icon->setObjectName("picIcon");
    icon->setAccessibleName(tr("Program icon"));
    icon->setGeometry(16, 16, 36, 36);
    icon->setPicture(DprPixmap([](qreal dpr) { return art::programIcon().pixmap(QSize(36, 36), dpr); }));

    DesignLayout layout(this, {333, 104});
    layout.place(new QLabel(ApplicationTitle(), this), "lblTitle", {70, 16, 167, 15});
    auto* version = layout.place(new QLabel(tr("Version %1").arg(versionText()), this), "lblVersion", {70, 33, 167, 15});
    // A screen reader reads a box's lines of three words or more only.
    version->setAccessibleName(tr("Program version %1").arg(versionText()));
    layout.place(new QLabel(tr("Copyright \u00a9 Quillfern") + QLatin1Char('\n') + tr("All rights reserved.") +
                                QLatin1Char('\n') + tr("Played for fun, never for money."),
                            this),
                 "lblDescription", {70, 50, 167, 45});
    // Default and cancel at once: Enter and Esc both close the box.
    auto* ok = layout.place(new QPushButton(tr("OK"), this), "btmOK", {243, 16, 73, 25});
    ok->setDefault(true);
    layout.apply();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace strhaven
