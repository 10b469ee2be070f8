// Hands the window description to the Win32 run time.
#include "form1.h"
#include "form1_events.h"
#include "runtime.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return rtw::run(instance, form::form1(), traits::clickBindings());
}
