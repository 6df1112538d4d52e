#pragma once

#include <thread>

namespace orrindel::platform {

// Reads the desktop's font configuration on a second thread while the application
// connects to the display, so that the first window does not wait for it. Made before the
// application object; wait() before the first window, which lays out text at once.
class FontPreload
{
public:
    FontPreload();
    FontPreload(const FontPreload &) = delete;
    FontPreload &operator=(const FontPreload &) = delete;
    ~FontPreload() { wait(); }

    void wait()
    {
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    std::thread m_thread;
};

} // namespace orrindel::platform
