// A top-level window built from a window description before it is first
// shown. Clicks reach controls through Qt's own stacking; the procedures bound
// to them talk back through FormHost.
#pragma once

#include "form1_events.h"
#include "form_description.h"
#include "pixels.h"

#include <QWidget>

#include <span>
#include <string_view>
#include <vector>

namespace rt {

class FormWindow : public QWidget, public traits::FormHost {
    Q_OBJECT
public:
    FormWindow(const form::Form& description, std::span<const traits::ClickBinding> bindings,
               Dpi dpi = {});

    // The widget built for a control of the description, or null.
    QWidget* control(std::string_view name) const;
    // The caption or text a control shows.
    QString caption(std::string_view name) const;

    // The client size the description asks for, in pixels.
    QSize clientSize() const { return clientSize_; }

    void setCaption(std::string_view control, std::u16string_view text) override;
    void end() override;

signals:
    // The program is to end with this exit status; nothing runs after it.
    void ended(int status);

private:
    QWidget* build(const form::Control& c, Dpi dpi);
    void bindClick(QWidget* widget, std::string_view name,
                   std::span<const traits::ClickBinding> bindings);
    void run(void (*procedure)(traits::FormHost&));
    void runtimeError(const QString& what);
    void finish(int status);

    struct Built {
        std::string_view name;
        QWidget* widget;
    };
    std::vector<Built> controls_;
    QSize clientSize_;
    bool ended_ = false;
};

} // namespace rt
