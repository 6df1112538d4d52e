// The Windows registry and launcher backends where no stand-in can speak for them, run under
// Wine in a private prefix: a line per case, and a non-zero exit when one fails.

#include "platform/system/launcher.h"
#include "platform/system/registry.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

using namespace orrindel::platform;

int main(int argc, char **argv)
{
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (!std::string(self).ends_with("registry_wine_test.exe")) {
        // A copy started by the launcher case records the arguments it was given.
        std::ofstream ran(std::string(self) + ".ran");
        for (int i = 1; i < argc; ++i)
            ran << '[' << argv[i] << ']';
        return 0;
    }
    int failures = 0;
    const auto check = [&](const char *name, bool passed, const std::string &seen) {
        std::printf("%s  %s (%s)\n", passed ? "PASS" : "FAIL", name, seen.c_str());
        failures += passed ? 0 : 1;
    };

    // 1024 bytes stored without a zero: the ANSI query adds one, so they no longer fit.
    const char *const path = "SOFTWARE\\Orrindel Test";
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, path, "Full", REG_SZ, std::string(1024, 'b').data(), 1024);
    const auto registry = makeSystemRegistry();
    std::string text = "kept?";
    const bool read = readKeyValue(*registry, HKeyLocalMachine, path, "Full", text);
    check("unterminated 1024-byte string", !read && text.empty(), text.substr(0, 8));

    // Opened for reading only, and really closed.
    const auto key = registry->openKey(HKeyLocalMachine, path);
    const HKEY handle = key ? reinterpret_cast<HKEY>(*key) : nullptr;
    const LONG write = RegSetValueExA(handle, "Full", 0, REG_SZ, nullptr, 0);
    check("a write through the key is refused", write == ERROR_ACCESS_DENIED,
          std::to_string(write));
    if (key)
        registry->closeKey(*key);
    const LONG query = RegQueryValueExA(handle, "Full", nullptr, nullptr, nullptr, nullptr);
    check("the key is closed", key && query != ERROR_SUCCESS, std::to_string(query));

    // "C:\Launch Probe\probe.exe" starts that program, not C:\Launch.exe, with each argument
    // whole.
    const std::string probe = "C:\\Launch Probe\\probe.exe", expected = "[a b][c;d][\"][C:\\d\\][]";
    CreateDirectoryA("C:\\Launch Probe", nullptr);
    CopyFileA(self, probe.c_str(), FALSE);
    CopyFileA(self, "C:\\Launch.exe", FALSE);
    makeSystemLauncher()->start(probe, {"a b", "c;d", "\"", "C:\\d\\", ""});
    std::string ran;
    for (int i = 0; i < 400 && ran != expected; ++i, Sleep(50))
        std::getline(std::ifstream(probe + ".ran"), ran);
    const bool decoy = GetFileAttributesA("C:\\Launch.exe.ran") != INVALID_FILE_ATTRIBUTES;
    check("path with spaces, arguments whole", ran == expected && !decoy, ran);
    return failures == 0 ? 0 : 1;
}
