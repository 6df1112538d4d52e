#pragma once

#include <atomic>
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
    ~FontPreload()
    {
        if (m_thread.joinable())
            m_thread.join();
    }

    // Returns with the configuration read: by the thread if it has finished, else here, so
    // that a busy machine never keeps the window waiting on a thread of low priority.
    void wait();

private:
    std::atomic<bool> m_done = false;
    std::thread m_thread;
};

} // namespace orrindel::platform
