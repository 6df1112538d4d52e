#pragma once

#include <thread>

namespace orrindel::platform {

// Reads the desktop's font configuration on a second thread while the application
// connects to the display, where a processor is free for it, so that the first window does
// not wait for it. Made before the application object; wait() before the first window,
// which lays out text at once.
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

    // Returns with the configuration read: by the thread, whose rest is waited for, or here
    // when there was no processor or no thread to spare. Waiting costs no more than reading
    // it again here would.
    void wait();

private:
    std::thread m_thread;
};

} // namespace orrindel::platform
