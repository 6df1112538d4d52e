#pragma once

#include <QIcon>
#include <QPixmap>

namespace orrindel::platform {

// The application's icon, a yellow eight-pointed sun, drawn from its SVG at any size (sharp
// on scaled screens), with the 16 and 32 pixel pictures as fallbacks where Qt's SVG icon
// engine is missing.
QIcon sunIcon();
// The 32 x 32 picture of the sun.
QPixmap sunPixmap();

} // namespace orrindel::platform
