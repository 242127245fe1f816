#pragma once

#include <QList>
#include <QObject>
#include <QRadioButton>

#include <algorithm>

namespace strhaven {

// Tab enters a group of radio buttons at its checked button (at the first
// when none is), and the next Tab leaves the group; the arrow keys move and
// choose within it. Qt's own chain stops at every button, the first one
// first, so a screen reader announced an unchecked choice as the group's.
inline void tabStopAtCheckedRadio(const QList<QRadioButton*>& group)
{
    auto follow = [group] {
        const bool anyChecked = std::any_of(group.begin(), group.end(), [](auto* b) { return b->isChecked(); });
        for (qsizetype i = 0; i < group.size(); ++i) {
            const bool stop = anyChecked ? group[i]->isChecked() : i == 0;
            group[i]->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
        }
    };
    for (QRadioButton* button : group)
        QObject::connect(button, &QAbstractButton::toggled, button, follow);
    follow();
}

} // namespace strhaven
