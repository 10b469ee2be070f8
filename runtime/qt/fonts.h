// Fonts by name. A face that this system lacks is replaced by a legible
// stand-in from Debian's font packages, fitted to the width the window was
// laid out for.
#pragma once

#include "form_description.h"

#include <QFont>

namespace rt {

QFont toQFont(const form::Font& font);

// Whether a face of this family is installed; an alias such as "serif" is
// not a face.
bool systemHasFamily(const QString& family);

// What controls without a font of their own use.
QFont windowDefaultFont();

} // namespace rt
