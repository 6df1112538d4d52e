#include "fontpreload.h"

namespace orrindel::platform {

// Windows and macOS keep their fonts in the system; there is nothing to read ahead.
FontPreload::FontPreload() = default;

void FontPreload::wait() {}

} // namespace orrindel::platform
