#include "fakes/EveryDialog.h"
#include "fakes/WindowRig.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QTest>

#include <map>
#include <memory>

using namespace strhaven;

namespace {

// The key a caption's access key is, as Qt reads the caption; none without.
QChar accessKey(const QString& text)
{
    const QKeySequence alt = QKeySequence::mnemonic(text);
    return alt.isEmpty() ? QChar() : QChar(alt[0].key()).toLower();
}

} // namespace

// The dialogs as a screen reader reads them: every control a player can
// reach with Tab has a name; an access key in a caption is the caption's
// own within its window, and a screen reader is told it.
class TestDialogAccessibility : public QObject {
    Q_OBJECT
private slots:
    void dialogs_data()
    {
        QTest::addColumn<QString>("dialog");
        for (const QString& title : EveryDialog::titles())
            QTest::newRow(qPrintable(title)) << title;
    }
    void dialogs()
    {
        QFETCH(QString, dialog);
        EveryDialog dialogs;
        std::unique_ptr<QWidget> window = dialogs.show(dialog);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(!QAccessible::queryAccessibleInterface(window.get())->text(QAccessible::Name).isEmpty());

        std::map<QChar, QString> keys;
        int reachable = 0;
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (!control->isVisibleTo(window.get()))
                continue;
            QString caption;
            if (auto* button = qobject_cast<QAbstractButton*>(control))
                caption = button->text();
            else if (auto* label = qobject_cast<QLabel*>(control); label && label->buddy())
                caption = label->text();
            if (const QChar key = accessKey(caption); !key.isNull()) {
                QVERIFY2(!keys.contains(key), qPrintable(caption + " takes the key of " + keys[key]));
                keys[key] = caption;
                QAccessibleInterface* told = QAccessible::queryAccessibleInterface(
                    qobject_cast<QLabel*>(control) ? qobject_cast<QLabel*>(control)->buddy() : control);
                QStringList binding;
                if (QAccessibleActionInterface* actions = told->actionInterface()) {
                    for (const QString& action : {actions->pressAction(), actions->toggleAction(), actions->setFocusAction()})
                        binding << actions->keyBindingsForAction(action);
                }
                QVERIFY2(binding.contains(QString("Alt+") + key.toUpper()), qPrintable(caption + " keeps its key from a screen reader"));
            }
            if (!(control->focusPolicy() & Qt::TabFocus) || control->focusProxy())
                continue;
            ++reachable;
            const QString name = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
            QVERIFY2(!name.trimmed().isEmpty(),
                     qPrintable(QString("a %1 (%2) has no name").arg(control->metaObject()->className(), control->objectName())));
        }
        QVERIFY(reachable > 0);
    }

    // The menus as a screen reader lists them: each command named, its
    // access key shown and its own within its menu.
    void menus()
    {
        WindowRig rig;
        rig.start();
        QList<QMenu*> menus;
        for (QAction* title : rig.window->menuBar()->actions())
            menus << title->menu();
        std::map<QChar, QString> titles;
        for (QMenu* menu : menus) {
            const QChar titleKey = accessKey(menu->title());
            QVERIFY2(!titleKey.isNull() && !titles.contains(titleKey), qPrintable(menu->title()));
            titles[titleKey] = menu->title();
            std::map<QChar, QString> keys;
            for (QAction* action : menu->actions()) {
                if (action->isSeparator() || !action->isVisible())
                    continue;
                const QChar key = accessKey(action->text());
                QVERIFY2(!key.isNull(), qPrintable(action->text() + " has no access key"));
                QVERIFY2(!keys.contains(key), qPrintable(action->text() + " takes the key of " + keys[key]));
                keys[key] = action->text();
            }
            QVERIFY(!keys.empty());
        }
        QCOMPARE(menus.size(), 2);
    }
};

QTEST_MAIN(TestDialogAccessibility)
#include "tst_dialogaccessibility.moc"
