#pragma once

// Test doubles for the runtime services, so a window under test neither beeps, blocks on a
// message box, prints, reads the registry nor starts a program.

#include "platform/launcher.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/registry.h"
#include "platform/services.h"

#include <QString>

#include <map>
#include <string>
#include <vector>

namespace orrindel::test {

// Records every message box. A box the test did not announce with expect() fails the
// running test, so a message shown twice is caught.
class RecordingMsgBox final : public platform::MsgBox
{
public:
    struct Box
    {
        QString prompt;
        int style = 0;
        QString title;
        QWidget *parent = nullptr;
    };
    void expect(int count = 1) { m_allowed += count; }
    const std::vector<Box> &boxes() const { return m_boxes; }
    void clear() { m_boxes.clear(), m_allowed = 0; }
    void show(QWidget *parent, const QString &prompt, int style, const QString &title) override;

private:
    std::vector<Box> m_boxes;
    int m_allowed = 0;
};

// Records the captions of each printed form's labels by object name; fails with the
// runtime's printer error while failing is set.
class RecordingPrinter final : public platform::Printer
{
public:
    void PrintForm(QWidget &form) override;
    std::vector<std::map<QString, QString>> pages;
    int attempts = 0;
    bool failing = false;
};

// A registry held in memory under HKEY_LOCAL_MACHINE only; values are raw bytes with a
// type. Counts queries and closes of keys that are not open.
class FakeRegistry final : public platform::Registry
{
public:
    struct Value
    {
        std::uint32_t type = platform::RegTypeString;
        std::string bytes;
    };
    void set(const std::string &path, const std::string &name, Value value)
    {
        m_keys[path][name] = std::move(value);
    }
    int stillOpen() const { return int(m_open.size()); }

    std::optional<Key> openKey(std::uint32_t root, const std::string &path) override;
    bool queryValue(Key key, const std::string &name, std::span<unsigned char> buffer,
                    std::uint32_t &type, std::uint32_t &size) override;
    void closeKey(Key key) override;

    int badCalls = 0;

private:
    std::map<std::string, std::map<std::string, Value>> m_keys;
    std::map<Key, std::string> m_open;
    Key m_nextKey = 0x1000;
};

// Starts nothing and finds no file and no viewer.
class NoLauncher final : public platform::Launcher
{
public:
    void start(const std::string &, const std::vector<std::string> &) override;
    bool fileExists(const std::string &) override { return false; }
    std::optional<platform::Command> systemInfoViewer() override { return std::nullopt; }
};

// Every double at once, with the Services a window is given; beeps are counted.
struct TestServices
{
    TestServices() = default;
    TestServices(const TestServices &) = delete; // the services refer to the members
    TestServices &operator=(const TestServices &) = delete;

    RecordingMsgBox msgBox;
    int beeps = 0;
    RecordingPrinter printer;
    FakeRegistry registry;
    NoLauncher launcher;
    platform::Services services{msgBox, [this] { ++beeps; }, printer, registry, launcher};
};

} // namespace orrindel::test
