#include "fontpreload.h"

#include <fontconfig/fontconfig.h>

namespace orrindel::platform {

// Fontconfig parses its configuration files and maps its caches once per process, the
// largest part of a Qt window's start here. It is thread-safe, and Qt's own call to it then
// finds the work done.
FontPreload::FontPreload() : m_thread([] { FcInit(); }) {}

} // namespace orrindel::platform
