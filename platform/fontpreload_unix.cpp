#include "fontpreload.h"

#include <fontconfig/fontconfig.h>
#include <sys/resource.h>
#include <unistd.h>

#include <system_error>

namespace orrindel::platform {

// Fontconfig parses its configuration files and maps its caches once per process, the
// largest part of a Qt window's start here. It is thread-safe, and Qt's own call to it then
// finds the work done. The thread runs at the lowest priority: the application's
// connection to the display, and the display server itself, come first.
FontPreload::FontPreload()
{
    try {
        m_thread = std::thread([] {
            setpriority(PRIO_PROCESS, gettid(), 19);
            FcInit();
        });
    } catch (const std::system_error &) {
        // No thread to spare: Qt reads the configuration itself when it first needs it.
    }
}

} // namespace orrindel::platform
