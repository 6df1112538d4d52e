#include "fontpreload.h"

#include <fontconfig/fontconfig.h>

#include <cstdlib>
#include <system_error>

namespace orrindel::platform {

namespace {

// A second thread gains only where a processor would otherwise idle. Where every one is
// busy, it takes its time from the main thread and the display server instead: at a load
// of 8 to 11 on two cores the window mapped later with it than without.
bool processorToSpare()
{
    double load = 0;
    return getloadavg(&load, 1) == 1 && load + 1 <= std::thread::hardware_concurrency();
}

} // namespace

// Fontconfig parses its configuration files and maps its caches once per process, the
// largest part of a Qt window's start here. It is thread-safe: Qt's own call to it then
// finds the work done. The thread runs at the program's own priority: one of low priority
// was starved on a busy machine, and the main thread then read the whole configuration a
// second time instead of waiting for the rest of it.
FontPreload::FontPreload()
{
    if (!processorToSpare())
        return;
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
