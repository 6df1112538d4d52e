#pragma once

#include "orrindel/version.h"

#include <QString>

namespace orrindel::platform {

// The application's title, version numbers and desktop id.
struct Application
{
    static constexpr const char *Title = "Orrindel";
    static constexpr const char *Id = ORRINDEL_APP_ID;
    static constexpr int Major = ORRINDEL_VERSION_MAJOR;
    static constexpr int Minor = ORRINDEL_VERSION_MINOR;
    static constexpr int Revision = ORRINDEL_VERSION_PATCH;
    // The release's year and month (1 to 12), from the one release date of the build.
    static constexpr int ReleaseYear = ORRINDEL_RELEASE_YEAR;
    static constexpr int ReleaseMonth = ORRINDEL_RELEASE_MONTH;

    static QString title() { return QString::fromLatin1(Title); }
    // Writes the title, version and desktop entry's name into the application; called
    // once at start, and works before the application object exists.
    static void install();
    // The runtime's system beep.
    static void Beep();
};

} // namespace orrindel::platform
