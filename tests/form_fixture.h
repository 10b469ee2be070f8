// The program's window for the tests that drive it offscreen.
#pragma once

#include "form1.h"
#include "form1_events.h"
#include "form_window.h"
#include "support.h"
#include "texts.h"
#include "trait_table.h"

#include <QTest>

#include <memory>

// Form1 built and shown, ready for input.
inline std::unique_ptr<rt::FormWindow> openForm1() {
    auto w = std::make_unique<rt::FormWindow>(form::form1(), traits::clickBindings());
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get())) {
        qFatal("window not exposed");
    }
    return w;
}

// The text of m after a fresh window's click reaches this control: a click
// area, a button, or "none".
inline QString textAfterClick(const QString& control) {
    if (control == "Command2") {
        return q(traits::CreditText);
    }
    if (const auto traits = traits::traitText(control.toStdString())) {
        return q(*traits);
    }
    return q(traits::GreetingText);
}
