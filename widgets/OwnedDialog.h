#pragma once

#include <QDialog>
#include <QShowEvent>

namespace strhaven {

// A modal dialog of the main window, fixed in size and centred on it at
// every showing. Centred by the client areas: a window system that has not
// yet framed the dialog (its first showing) takes a frame position as the
// client's and would put it a title bar too high, where the client areas
// line up whatever the frames are. Header-only; needs Qt Widgets where it is
// used.
class OwnedDialog : public QDialog {
public:
    explicit OwnedDialog(QWidget* owner)
        : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    {
    }

protected:
    void showEvent(QShowEvent* e) override
    {
        if (!e->spontaneous())
            centreOnOwner();
        QDialog::showEvent(e);
    }

private:
    void centreOnOwner()
    {
        const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
        if (!owner || !owner->isVisible())
            return;
        const QPoint centre = owner->mapToGlobal(owner->rect().center());
        QRect placed(QPoint(), size());
        placed.moveCenter(centre);
        setGeometry(placed);
    }
};

} // namespace strhaven
