// What screen readers see of the run time's own widgets: a click area is a
// button named after its fruit that can be pressed; a label exposes its text.
#pragma once

namespace rt {

// Safe to call more than once.
void installAccessibility();

} // namespace rt
