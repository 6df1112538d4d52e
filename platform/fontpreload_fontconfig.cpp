#include "fontpreload.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace orrindel::platform {

// Fontconfig parses its configuration files and maps its caches once per process, the
// largest part of a Qt window's start here. It is thread-safe: Qt's own call to it then
// finds the work done. The thread runs at the program's own priority: one of low priority
// was starved on a busy machine, and the main thread then read the whole configuration a
// second time instead of waiting for the rest of it.
FontPreload::FontPreload()
{
    try {
        m_thread = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
        // No thread to spare: wait() reads the configuration.
    }
}

void FontPreload::wait()
{
    if (m_thread.joinable())
        m_thread.join();
    else
        FcInit();
}

} // namespace orrindel::platform
