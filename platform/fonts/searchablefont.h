#pragma once

#include <QString>

namespace orrindel::platform {

// The Noto CJK faces map the Kangxi radicals (⼭ U+2F2D) to the very glyphs of the
// ideographs they resemble (山 U+5C71), and a PDF's ToUnicode map, read back from the font's
// character map, then gives the radical: copied or searched text is not what was drawn. This
// makes a copy of the face without the radicals in its character map, kept in the cache
// folder, and installs it in the application under a family of its own. Returns that family,
// or the face itself when it has no radicals or the copy cannot be made.
QString searchableFamily(const QString &cjkFamily);

} // namespace orrindel::platform
