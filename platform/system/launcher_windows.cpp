#include "launcher.h"

#include "engine/runtimeerror.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <vector>

namespace orrindel::platform {

namespace {

std::wstring widen(const std::string &utf8)
{
    if (utf8.empty())
        return {};
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                        length);
    return wide;
}

// One word of a command line, quoted so that the program's start-up code reads it back
// exactly: backslashes are doubled only where a quote follows them.
std::wstring quoted(const std::wstring &text)
{
    std::wstring word = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : text) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        word.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        word += c;
    }
    word.append(backslashes * 2, L'\\');
    return word + L'"';
}

// Closes a kernel handle when it leaves scope.
class Handle
{
public:
    explicit Handle(HANDLE handle) : m_handle(handle) {}
    ~Handle()
    {
        if (m_handle)
            CloseHandle(m_handle);
    }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;

private:
    HANDLE m_handle;
};

class WindowsLauncher final : public Launcher
{
public:
    void start(const std::string &path, const std::vector<std::string> &arguments) override
    {
        const std::wstring program = widen(path);
        if (program.empty())
            throw RuntimeError::fileNotFound();

        // The program is named as the application itself, so the system never searches a
        // path with spaces for a shorter program name; the command line repeats it, quoted,
        // as the program's own first argument, and quotes every argument after it.
        std::wstring line = quoted(program);
        for (const std::string &argument : arguments)
            line += L" " + quoted(widen(argument));
        std::vector<wchar_t> commandLine(line.begin(), line.end());
        commandLine.push_back(L'\0');

        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                            nullptr, nullptr, &startup, &process))
            throw RuntimeError::fileNotFound();
        // Not waited for: the program runs on by itself.
        const Handle processHandle(process.hProcess);
        const Handle threadHandle(process.hThread);
    }

    bool fileExists(const std::string &path) override
    {
        const DWORD attributes = GetFileAttributesW(widen(path).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES)
            return false;
        return (attributes &
                (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
    }

    // The registry names the System Information tool here.
    std::optional<Command> systemInfoViewer() override { return std::nullopt; }
};

} // namespace

std::unique_ptr<Launcher> makeSystemLauncher()
{
    return std::make_unique<WindowsLauncher>();
}

} // namespace orrindel::platform
