// Reading the system's font configuration and caches takes longer than
// anything else before the first frame but needs no display: start it on a
// helper thread while the application connects to the display.
#pragma once

#include <thread>

namespace rt {

class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp(); // waits for the helper
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

private:
    std::thread helper_;
};

} // namespace rt
