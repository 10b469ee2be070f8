// The program's run time on the Win32 API: builds the window from its
// description, shows it centred, and runs the message loop until the end.
#pragma once

#include "form1_events.h"
#include "form_description.h"

#include <windows.h>

#include <span>

namespace rtw {

// Returns the program's exit status.
int run(HINSTANCE instance, const form::Form& description,
        std::span<const traits::ClickBinding> bindings);

} // namespace rtw
