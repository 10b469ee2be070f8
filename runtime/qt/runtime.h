// The program's run time: builds the window from its description, shows it
// centred, and runs the event loop until the program ends.
#pragma once

#include "form1_events.h"
#include "form_description.h"

#include <span>

namespace rt {

// Returns the program's exit status. The program reads no command line: only
// its own name is handed on to Qt.
int run(const char* programName, const form::Form& description,
        std::span<const traits::ClickBinding> bindings);

} // namespace rt
