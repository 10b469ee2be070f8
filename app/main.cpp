// Hands the window description to the run time; the program is its window.
#include "form1.h"
#include "form1_events.h"
#include "runtime.h"

int main(int, char** argv) {
    return rt::run(argv[0], form::form1(), traits::clickBindings());
}
