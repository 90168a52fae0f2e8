#pragma once

#include <thread>

namespace platform {

// Reads the desktop's font configuration on a thread of its own from the
// moment it is made. Connecting to the display and reading the font
// configuration are the two long waits of start-up and need nothing of each
// other, so on a machine with a second core the second costs nothing.
// Without fontconfig it does nothing.
class FontWarmup {
public:
    FontWarmup();
    ~FontWarmup();
    FontWarmup(const FontWarmup&) = delete;
    FontWarmup& operator=(const FontWarmup&) = delete;

    // Waits until the configuration is read; call it before the first text
    // is measured so that the two threads never read it twice.
    void finish();

private:
    std::thread m_thread;
};

} // namespace platform
