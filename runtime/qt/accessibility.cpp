#include "accessibility.h"

#include "click_area.h"
#include "label.h"

#include <QAccessibleWidget>

namespace rt {

namespace {

class ClickAreaAccessible : public QAccessibleWidget {
public:
    explicit ClickAreaAccessible(ClickArea* area) : QAccessibleWidget(area, QAccessible::Button) {
        addControllingSignal(QStringLiteral("clicked()"));
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            emit static_cast<ClickArea*>(widget())->clicked();
        }
    }
};

class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(Label* label) : QAccessibleWidget(label, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return static_cast<Label*>(widget())->text();
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == QLatin1String("rt::ClickArea")) {
        return new ClickAreaAccessible(static_cast<ClickArea*>(object));
    }
    if (className == QLatin1String("rt::Label")) {
        return new LabelAccessible(static_cast<Label*>(object));
    }
    return nullptr;
}

} // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

} // namespace rt
