#pragma once

#include <QDialog>
#include <QTest>

namespace strhaven {

// Plays a player's steps on a dialog, a word each: show; OK, Cancel or Help
// (the buttons); F1, Enter or Esc where the focus is; closebox; any other
// word names a control to click, near its left edge where the box or the
// circle of an option is.
inline void playSteps(QDialog& dialog, const QString& steps)
{
    for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
        QWidget* focus = dialog.focusWidget() ? dialog.focusWidget() : dialog.nextInFocusChain();
        if (step == "show") {
            dialog.show();
        } else if (step == "F1") {
            QTest::keyRelease(focus, Qt::Key_F1);
        } else if (step == "Enter" || step == "Esc") {
            QTest::keyClick(focus, step == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
        } else if (step == "closebox") {
            dialog.close();
        } else {
            auto* control = dialog.findChild<QWidget*>(QStringList{"OK", "Cancel", "Help"}.contains(step) ? "btn" + step : step);
            QVERIFY2(control, qPrintable("no control " + step));
            QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
        }
    }
}

} // namespace strhaven
