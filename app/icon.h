#pragma once

#include <QIcon>

namespace orrindel {

// The application's icon, a yellow eight-pointed sun, from its 16 to 64 pixel pictures: sharp
// at twice the scale, and built from pixels decoded when building, so that no image decoder
// or plug-in is loaded at start. Every window takes it from the application.
QIcon appIcon();

} // namespace orrindel
