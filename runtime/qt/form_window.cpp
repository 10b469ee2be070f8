#include "form_window.h"

#include "accessibility.h"
#include "click_area.h"
#include "fonts.h"
#include "label.h"
#include "push_button.h"
#include "rule.h"

#include <QIcon>
#include <QLabel>
#include <QPixmap>

#include <algorithm>
#include <cstdio>

namespace rt {

namespace {

QString toQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QColor toQColor(form::Colour c) {
    return QColor(form::red(c), form::green(c), form::blue(c));
}

QString picturePath(std::string_view name) {
    return QStringLiteral(":/pictures/") + toQString(name) + QStringLiteral(".gif");
}

QString iconPath(std::string_view name) {
    return QStringLiteral(":/icons/") + toQString(name) + QStringLiteral(".ico");
}

} // namespace

FormWindow::FormWindow(const form::Form& description,
                       std::span<const traits::ClickBinding> bindings, Dpi dpi) {
    installAccessibility();
    setWindowTitle(toQString(description.title));
    setFont(windowDefaultFont());
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(description.background));
    setPalette(p);
    setAutoFillBackground(true);
    if (!description.icon.empty()) {
        setWindowIcon(QIcon(iconPath(description.icon)));
    }
    // Spelled out in full: a window manager shows only the buttons asked for.
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    flags.setFlag(Qt::WindowMinimizeButtonHint, description.minButton);
    flags.setFlag(Qt::WindowMaximizeButtonHint, description.maxButton);
    setWindowFlags(flags);

    clientSize_ =
        toPixels(form::Rect{0, 0, description.clientWidth, description.clientHeight}, dpi).size();
    resize(clientSize_);

    // Qt stacks a later sibling above an earlier one: build from the bottom up.
    controls_.reserve(description.controls.size());
    for (auto it = description.controls.rbegin(); it != description.controls.rend(); ++it) {
        QWidget* w = build(*it, dpi);
        w->setObjectName(toQString(it->name));
        controls_.push_back({it->name, w});
        bindClick(w, it->name, bindings);
    }

    // Tab order by tab position among the controls that take the focus.
    std::vector<std::pair<int, QWidget*>> focusable;
    for (const form::Control& c : description.controls) {
        QWidget* w = control(c.name);
        if (c.tabIndex && w->focusPolicy() != Qt::NoFocus) {
            focusable.emplace_back(*c.tabIndex, w);
        }
    }
    std::sort(focusable.begin(), focusable.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
    }
    if (!focusable.empty()) {
        focusable.front().second->setFocus();
    }
}

QWidget* FormWindow::build(const form::Control& c, Dpi dpi) {
    const QRect r = toPixels(c.rect, dpi);
    QWidget* w = nullptr;
    switch (c.kind) {
    case form::Kind::Label: {
        auto* label = new Label(this);
        label->setText(toQString(c.text));
        label->setAlignment(c.alignment == form::Alignment::Centre ? Qt::AlignHCenter
                                                                   : Qt::AlignLeft);
        if (c.border == form::Border::FixedSingle) {
            label->setSunkenBorder();
        }
        w = label;
        break;
    }
    case form::Kind::ClickArea:
        w = new ClickArea(this);
        w->setAccessibleName(toQString(c.accessibleName));
        break;
    case form::Kind::Line: {
        auto* rule = new Rule(toQColor(c.colour.value_or(0)), this);
        rule->setGeometry(r.left(), r.top(), r.width(), std::max(1, c.lineWidth));
        rule->show();
        return rule;
    }
    case form::Kind::Picture: {
        auto* picture = new QLabel(this);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setPixmap(QPixmap(picturePath(c.picture)));
        w = picture;
        break;
    }
    case form::Kind::PushButton: {
        auto* button = new PushButton(this);
        button->setText(toQString(c.text));
        w = button;
        break;
    }
    }
    if (c.font) {
        w->setFont(toQFont(*c.font));
    }
    if (c.colour) {
        QPalette p = w->palette();
        p.setColor(QPalette::WindowText, toQColor(*c.colour));
        w->setPalette(p);
    }
    w->setGeometry(r);
    w->show();
    return w;
}

void FormWindow::bindClick(QWidget* widget, std::string_view name,
                           std::span<const traits::ClickBinding> bindings) {
    auto found = std::find_if(bindings.begin(), bindings.end(),
                              [name](const traits::ClickBinding& b) { return b.control == name; });
    if (found == bindings.end()) {
        return;
    }
    auto procedure = found->procedure;
    auto go = [this, procedure] { run(procedure); };
    if (auto* area = qobject_cast<ClickArea*>(widget)) {
        connect(area, &ClickArea::clicked, this, go);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        connect(button, &QPushButton::clicked, this, go);
    }
}

void FormWindow::run(void (*procedure)(traits::FormHost&)) {
    // Once the program has ended, no procedure runs again, even for clicks
    // that were already queued.
    if (!ended_) {
        procedure(*this);
    }
}

QWidget* FormWindow::control(std::string_view name) const {
    for (const Built& b : controls_) {
        if (b.name == name) {
            return b.widget;
        }
    }
    return nullptr;
}

QString FormWindow::caption(std::string_view name) const {
    QWidget* w = control(name);
    if (auto* label = qobject_cast<Label*>(w)) {
        return label->text();
    }
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        return button->text();
    }
    return {};
}

void FormWindow::setCaption(std::string_view name, std::u16string_view text) {
    auto* label = qobject_cast<Label*>(control(name));
    if (!label) {
        runtimeError(QStringLiteral("no label named %1").arg(toQString(name)));
        return;
    }
    label->setText(toQString(text));
}

void FormWindow::end() {
    finish(0);
}

void FormWindow::runtimeError(const QString& what) {
    // Nothing in the program handles errors: report and end, as an unhandled
    // run-time error does.
    std::fprintf(stderr, "fruit-traits: run-time error: %s\n", qPrintable(what));
    finish(1);
}

void FormWindow::finish(int status) {
    if (ended_) {
        return;
    }
    ended_ = true;
    hide();
    emit ended(status);
}

} // namespace rt
