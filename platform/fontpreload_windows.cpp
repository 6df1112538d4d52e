#include "fontpreload.h"

namespace orrindel::platform {

// Windows keeps its fonts in the system; there is nothing to read ahead.
FontPreload::FontPreload() = default;

} // namespace orrindel::platform
