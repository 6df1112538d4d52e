#include "fontpreload.h"

#include <fontconfig/fontconfig.h>
#include <sys/resource.h>

#include <system_error>

namespace orrindel::platform {

// Fontconfig parses its configuration files and maps its caches once per process, the
// largest part of a Qt window's start here. It is thread-safe: Qt's own call to it then
// finds the work done, and of two calls at once the first to finish is kept. The thread
// runs at the lowest priority, behind the connection to the display and the display server.
FontPreload::FontPreload()
{
    try {
        m_thread = std::thread([this] {
#if defined(__linux__)
            setpriority(PRIO_PROCESS, 0, 19); // on Linux, this thread alone
#endif
            FcInit();
            m_done = true;
        });
    } catch (const std::system_error &) {
        // No thread to spare: wait() reads the configuration.
    }
}

void FontPreload::wait()
{
    if (!m_done)
        FcInit();
}

} // namespace orrindel::platform
