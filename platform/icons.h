#pragma once

#include <QIcon>
#include <QPixmap>

namespace orrindel::platform {

// The application's icon, a yellow eight-pointed sun, at 16 and 32 pixels.
QIcon sunIcon();
// The 32 x 32 picture of the sun.
QPixmap sunPixmap();

} // namespace orrindel::platform
