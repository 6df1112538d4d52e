#pragma once

#include <QString>

namespace orrindel::platform {

// The application's title and version numbers.
struct Application
{
    static constexpr const char *Title = "Orrindel";
    static constexpr int Major = 1;
    static constexpr int Minor = 0;
    static constexpr int Revision = 2;

    static QString title() { return QString::fromLatin1(Title); }
    // Writes the title and version into QCoreApplication; called once at start.
    static void install();
    // The runtime's system beep.
    static void Beep();
};

} // namespace orrindel::platform
