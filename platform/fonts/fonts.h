#pragma once

#include <QString>

namespace orrindel::platform {

// "Times New Roman" and "MS Sans Serif" resolve to metric-compatible faces where the
// originals are not installed; called once at start. For Chinese, `cjkRegion` ("SC" or "TC")
// names the Noto CJK faces that write the characters of that language.
void installFontSubstitutes(const QString &cjkRegion = {});

// The installed face a layout's family is drawn in: the family itself, else its first
// installed stand-in. Asking Qt for a face it has spares it a search of every font on the
// machine for each family it lacks.
QString installedFamily(const QString &family);

} // namespace orrindel::platform
