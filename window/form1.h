// The description of the program's only window.
#pragma once

#include "form_description.h"

namespace form {

const Form& form1();

} // namespace form
