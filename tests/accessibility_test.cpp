// The window as a screen reader sees it, through Qt's accessibility tree.
#include "form1.h"
#include "form1_events.h"
#include "form_window.h"
#include "texts.h"
#include "trait_table.h"

#include "form_fixture.h"

#include <QtTest>

#include <QAccessible>

namespace {

// A fruit's name label and its click area share the name: ask for the role too.
QAccessibleInterface* childNamed(QAccessibleInterface* parent, const QString& name,
                                 QAccessible::Role role) {
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (child && child->text(QAccessible::Name) == name && child->role() == role) {
            return child;
        }
    }
    return nullptr;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void fruitsArePressableButtons_data();
    void fruitsArePressableButtons();
    void buttonsCarryTheirCaptions();
};

void AccessibilityTest::fruitsArePressableButtons_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("traits");
    for (const traits::FruitEntry& e : traits::TraitTable) {
        QTest::newRow(e.clickArea.data()) << q(e.nameText) << q(e.traitText);
    }
}

void AccessibilityTest::fruitsArePressableButtons() {
    QFETCH(QString, name);
    QFETCH(QString, traits);
    auto w = openForm1();
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(w.get());
    QVERIFY(root);
    QAccessibleInterface* m = childNamed(root, q(traits::GreetingText), QAccessible::StaticText);
    QVERIFY(m);

    QVERIFY(childNamed(root, name, QAccessible::StaticText)); // the name label
    QAccessibleInterface* fruit = childNamed(root, name, QAccessible::Button);
    QVERIFY(fruit);
    QVERIFY(!fruit->state().focusable);
    QAccessibleActionInterface* actions = fruit->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(w->caption("m"), traits);
    QCOMPARE(m->text(QAccessible::Name), traits);
}

void AccessibilityTest::buttonsCarryTheirCaptions() {
    auto w = openForm1();
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(w.get());
    QAccessibleInterface* credit =
        childNamed(root, q(traits::CreditButtonText), QAccessible::Button);
    QAccessibleInterface* close = childNamed(root, q(traits::CloseButtonText), QAccessible::Button);
    QVERIFY(credit && close);
    QVERIFY(credit->state().focusable);
    credit->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // Qt presses a push button through an animated click.
    QTRY_COMPARE(w->caption("m"), q(traits::CreditText));
    QSignalSpy ended(w.get(), &rt::FormWindow::ended);
    close->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(ended.count(), 1);
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
