// The registry reader and the launcher through the real Windows backends, run under Wine
// against values written into the registry of a private prefix. No Qt here: a small table
// of cases, one line per case, and a non-zero exit when any case fails.

#include "engine/runtimeerror.h"
#include "platform/launcher.h"
#include "platform/registry.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

using namespace orrindel;
using namespace orrindel::platform;

namespace {

const char *const TestKey = "SOFTWARE\\Orrindel Test\\Values";

int cases = 0;
int failures = 0;

void report(const std::string &name, bool passed, const std::string &detail = {})
{
    std::printf("%s  %s%s%s\n", passed ? "PASS" : "FAIL", name.c_str(), detail.empty() ? "" : ": ",
                detail.c_str());
    ++cases;
    if (!passed)
        ++failures;
}

// Counts opens and closes on the way through to the real backend.
class CountingRegistry final : public Registry
{
public:
    std::optional<Key> openKey(std::uint32_t root, const std::string &path) override
    {
        const auto key = m_real->openKey(root, path);
        if (key)
            ++opened;
        return key;
    }
    bool queryValue(Key key, const std::string &name, std::span<unsigned char> buffer,
                    std::uint32_t &type, std::uint32_t &size) override
    {
        return m_real->queryValue(key, name, buffer, type, size);
    }
    void closeKey(Key key) override
    {
        ++closed;
        m_real->closeKey(key);
    }

    int opened = 0;
    int closed = 0;

private:
    std::unique_ptr<Registry> m_real = makeSystemRegistry();
};

// One value as written to the registry, byte for byte.
struct StoredValue
{
    const char *name;
    DWORD type;
    std::string bytes;
};

std::string bytesOf(std::initializer_list<unsigned char> list)
{
    return {list.begin(), list.end()};
}

const std::vector<StoredValue> &storedValues()
{
    static const std::vector<StoredValue> values = {
        {"Text with zero", REG_SZ, std::string("C:\\Tools\\tool.exe\0", 18)},
        {"Text without zero", REG_SZ, "C:\\Program Files\\Tools"},
        {"Only a zero", REG_SZ, std::string(1, '\0')},
        {"Zero bytes", REG_SZ, ""},
        {"Number", REG_DWORD, bytesOf({0x78, 0x56, 0x34, 0x12})},
        {"Largest number", REG_DWORD, bytesOf({0xff, 0xff, 0xff, 0xff})},
        {"Binary", REG_BINARY, bytesOf({0x01, 0x02, 0x03})},
        {"Full buffer", REG_SZ, std::string(1023, 'a') + std::string(1, '\0')},
        {"Full buffer unterminated", REG_SZ, std::string(1024, 'b')},
        {"Over by one", REG_SZ, std::string(1025, 'd')},
    };
    return values;
}

bool writeValues()
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, TestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    bool written = true;
    for (const StoredValue &value : storedValues())
        written &= RegSetValueExA(key, value.name, 0, value.type,
                                  reinterpret_cast<const BYTE *>(value.bytes.data()),
                                  static_cast<DWORD>(value.bytes.size())) == ERROR_SUCCESS;
    RegCloseKey(key);
    return written;
}

enum class Outcome { Read, NotRead, InvalidArgument, Overflow };

const char *outcomeName(Outcome outcome)
{
    static const char *const names[] = {"read", "not read", "invalid argument", "overflow"};
    return names[static_cast<int>(outcome)];
}

struct ReadCase
{
    const char *name;
    const char *keyName;
    const char *valueName;
    Outcome outcome;
    std::string textAfter;
};

void runReadCases()
{
    const std::string unchanged = "as passed in";
    const std::vector<ReadCase> cases = {
        {"string stored with its zero", TestKey, "Text with zero", Outcome::Read,
         "C:\\Tools\\tool.exe"},
        {"string stored without a zero", TestKey, "Text without zero", Outcome::Read,
         "C:\\Program Files\\Tools"},
        {"string of only a zero", TestKey, "Only a zero", Outcome::Read, ""},
        {"string of zero bytes", TestKey, "Zero bytes", Outcome::InvalidArgument, unchanged},
        {"32-bit number", TestKey, "Number", Outcome::Read, "305419896"},
        {"largest 32-bit number", TestKey, "Largest number", Outcome::Read, "4294967295"},
        {"binary leaves the text", TestKey, "Binary", Outcome::Read, unchanged},
        {"exactly 1024 bytes", TestKey, "Full buffer", Outcome::Read, std::string(1023, 'a')},
        // The ANSI query hands a string back with a zero added, which no longer fits.
        {"1024 bytes without a zero", TestKey, "Full buffer unterminated", Outcome::NotRead, ""},
        {"over 1024 bytes", TestKey, "Over by one", Outcome::NotRead, ""},
        {"missing value", TestKey, "No such value", Outcome::NotRead, ""},
        {"missing key", "SOFTWARE\\Orrindel Test\\No such key", "Text with zero", Outcome::NotRead,
         ""},
        {"key path case-insensitive", "software\\orrindel test\\values", "text with zero",
         Outcome::Read, "C:\\Tools\\tool.exe"},
    };

    for (const ReadCase &c : cases) {
        CountingRegistry registry;
        std::string text = unchanged;
        Outcome outcome = Outcome::NotRead;
        try {
            outcome = readKeyValue(registry, HKeyLocalMachine, c.keyName, c.valueName, text)
                          ? Outcome::Read
                          : Outcome::NotRead;
        } catch (const RuntimeError &error) {
            outcome = error.number() == RuntimeError::InvalidProcedureCall
                          ? Outcome::InvalidArgument
                      : error.number() == RuntimeError::Overflow ? Outcome::Overflow
                                                                 : Outcome::NotRead;
        }
        std::string detail;
        if (outcome != c.outcome)
            detail += std::string("outcome ") + outcomeName(outcome) + ", expected " +
                      outcomeName(c.outcome) + "; ";
        if (text != c.textAfter)
            detail += "text \"" + text.substr(0, 40) + "\" (" + std::to_string(text.size()) +
                      " bytes), expected \"" + c.textAfter.substr(0, 40) + "\" (" +
                      std::to_string(c.textAfter.size()) + " bytes); ";
        if (registry.opened != registry.closed)
            detail += "opened " + std::to_string(registry.opened) + " keys, closed " +
                      std::to_string(registry.closed) + "; ";
        report("read: " + std::string(c.name), detail.empty(), detail);
    }
}

// The key is opened for reading only: a write through the same handle is refused.
void runAccessCase()
{
    const auto registry = makeSystemRegistry();
    const auto key = registry->openKey(HKeyLocalMachine, TestKey);
    if (!key) {
        report("open: key opened for reading only", false, "open failed");
        return;
    }
    const BYTE data[] = {'x', 0};
    const LONG status =
        RegSetValueExA(reinterpret_cast<HKEY>(*key), "Written", 0, REG_SZ, data, sizeof data);
    registry->closeKey(*key);
    report("open: key opened for reading only", status == ERROR_ACCESS_DENIED,
           "a write through the key returned " + std::to_string(status));
}

bool makeFile(const std::string &path, DWORD attributes)
{
    const HANDLE file =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

void runFileCases(const std::string &root)
{
    CreateDirectoryA(root.c_str(), nullptr);
    CreateDirectoryA((root + "\\Folder\\MSINFO32.EXE").c_str(), nullptr);
    struct FileCase
    {
        const char *name;
        const char *file;
        DWORD attributes; // 0: not created
        bool exists;
    };
    const std::vector<FileCase> cases = {
        {"plain file", "MSINFO32.EXE", FILE_ATTRIBUTE_NORMAL, true},
        {"read-only file", "readonly.exe", FILE_ATTRIBUTE_READONLY, true},
        {"hidden file", "hidden.exe", FILE_ATTRIBUTE_HIDDEN, false},
        {"system file", "system.exe", FILE_ATTRIBUTE_SYSTEM, false},
        {"missing file", "missing.exe", 0, false},
        {"folder of that name", "Folder\\MSINFO32.EXE", 0, false},
    };
    const auto launcher = makeSystemLauncher();
    for (const FileCase &c : cases) {
        const std::string path = root + "\\" + c.file;
        if (c.attributes != 0 && !makeFile(path, c.attributes)) {
            report(std::string("file test: ") + c.name, false, "cannot create " + path);
            continue;
        }
        const bool exists = launcher->fileExists(path);
        report(std::string("file test: ") + c.name, exists == c.exists,
               std::string("reported ") + (exists ? "present" : "absent"));
    }
}

std::string ownPath()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

bool waitForFile(const std::string &path, std::chrono::milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A copy of this program started under another name only leaves a mark that it ran.
bool runAsProbe()
{
    const std::string self = ownPath();
    const std::string name = self.substr(self.find_last_of('\\') + 1);
    if (lstrcmpiA(name.c_str(), "registry_wine_test.exe") == 0)
        return false;
    makeFile(self + ".ran", FILE_ATTRIBUTE_NORMAL);
    return true;
}

// A path with spaces is started as a whole: the shorter name before the first space,
// which a command line would try first, must not run.
void runStartCases(const std::string &root)
{
    const std::string folder = root + " Probe";
    const std::string probe = folder + "\\probe.exe";
    const std::string decoy = root + ".exe";
    CreateDirectoryA(folder.c_str(), nullptr);
    DeleteFileA((probe + ".ran").c_str());
    DeleteFileA((decoy + ".ran").c_str());
    if (!CopyFileA(ownPath().c_str(), probe.c_str(), FALSE) ||
        !CopyFileA(ownPath().c_str(), decoy.c_str(), FALSE)) {
        report("start: path with spaces", false, "cannot copy the probe");
        return;
    }

    const auto launcher = makeSystemLauncher();
    try {
        launcher->start(probe);
        const bool probeRan = waitForFile(probe + ".ran", std::chrono::seconds(20));
        const bool decoyRan =
            GetFileAttributesA((decoy + ".ran").c_str()) != INVALID_FILE_ATTRIBUTES;
        report("start: path with spaces", probeRan && !decoyRan,
               std::string("probe ") + (probeRan ? "ran" : "did not run") + ", " + decoy + " " +
                   (decoyRan ? "ran" : "did not run"));
    } catch (const RuntimeError &error) {
        report("start: path with spaces", false, error.what());
    }

    const std::vector<std::pair<const char *, std::string>> unstartable = {
        {"start: missing program", root + "\\nothing here.exe"},
        {"start: a folder", folder},
        {"start: empty path", ""},
    };
    for (const auto &[name, path] : unstartable) {
        try {
            launcher->start(path);
            report(name, false, "started");
        } catch (const RuntimeError &error) {
            report(name, error.number() == RuntimeError::FileNotFound,
                   "error " + std::to_string(error.number()));
        }
    }
}

} // namespace

int main()
{
    if (runAsProbe())
        return 0;

    if (!writeValues()) {
        report("write the test values", false, "RegSetValueExA failed");
        return 1;
    }
    runReadCases();
    runAccessCase();
    runFileCases("C:\\Orrindel");
    runStartCases("C:\\Launch");

    std::printf("%s: %d cases, %d failed\n", failures == 0 ? "PASSED" : "FAILED", cases, failures);
    return failures == 0 ? 0 : 1;
}
