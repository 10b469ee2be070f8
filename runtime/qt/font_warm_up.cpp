#include "font_warm_up.h"

#include <fontconfig/fontconfig.h>

namespace rt {

// Qt's font database asks fontconfig for the same configuration later;
// fontconfig keeps it once loaded and loads it safely from any thread.
FontWarmUp::FontWarmUp() : helper_([] { FcInit(); }) {}

FontWarmUp::~FontWarmUp() {
    wait();
}

void FontWarmUp::wait() {
    if (helper_.joinable()) {
        helper_.join();
    }
}

} // namespace rt
