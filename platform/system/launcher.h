#pragma once

// Starting another program and testing for a file. Free of Qt in its interface so that
// the Windows backend builds with a bare cross compiler and runs under Wine.

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orrindel::platform {

// A program by its path (UTF-8) with the arguments it is started with.
struct Command
{
    std::string program;
    std::vector<std::string> arguments;
};

class Launcher
{
public:
    virtual ~Launcher() = default;

    // Starts the program at path (UTF-8) in a normal window that takes the focus and
    // returns without waiting for it. The path names the program itself and each argument
    // reaches it as one argument, exactly as given: nothing is handed to a shell or split
    // at spaces. Raises RuntimeError (FileNotFound) when the program cannot be started.
    virtual void start(const std::string &path, const std::vector<std::string> &arguments) = 0;

    // The desktop's own system-information viewer where one is installed; nullopt where
    // there is none, and where the registry names the system's tool instead.
    virtual std::optional<Command> systemInfoViewer() = 0;

    // Whether a file that is neither hidden nor a system file exists at path (UTF-8).
    // Folders do not count.
    virtual bool fileExists(const std::string &path) = 0;
};

// The launcher of this operating system.
std::unique_ptr<Launcher> makeSystemLauncher();

} // namespace orrindel::platform
