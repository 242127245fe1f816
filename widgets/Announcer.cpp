#include "widgets/Announcer.h"

#include "widgets/AccessibleFor.h"

#include <QAccessible>
#include <QAccessibleWidget>

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif

namespace strhaven {

namespace {

// A notification whose name is the message.
class AnnouncerAccessible final : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<const Announcer*>(widget())->text() : QAccessibleWidget::text(t);
    }
};

} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    readAccessiblyAs<Announcer, AnnouncerAccessible>();
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
}

void Announcer::announce(const QString& text)
{
    hide();
    m_text = text;
    show();
    raise();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Readers that listen for announcements hear it once that way too.
    QAccessibleAnnouncementEvent event(this, text);
    QAccessible::updateAccessibility(&event);
#endif
}

} // namespace strhaven
