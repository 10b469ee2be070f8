// Reading the system's font configuration and caches takes about 6 ms and
// needs no display: start it on a helper thread while the application
// connects to the display.
#pragma once

#include <thread>

namespace rt {

class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp(); // waits, if wait() was not called

    // The window's first font needs the configuration anyway; waiting for it
    // here also keeps it from outliving the application object.
    void wait();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

private:
    std::thread helper_;
};

} // namespace rt
