#pragma once

#include <QString>

#include <functional>

namespace orrindel::platform {

class MsgBox;
class Printer;
class Registry;
class Launcher;

// The runtime services the windows call through, gathered so that tests can hand every
// window doubles that record each call instead of beeping, blocking or printing.
struct Services
{
    MsgBox &msgBox;
    std::function<void()> beep;
    Printer &printer;
    Registry &registry;
    Launcher &launcher;
    // The house register's file, from --database, ORRINDEL_DATABASE or the default place.
    QString databasePath = {};
};

} // namespace orrindel::platform
