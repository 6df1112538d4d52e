#pragma once

// Test doubles for the runtime services, so a window under test neither beeps, blocks on a
// message box, prints, reads the registry nor starts a program.

#include "platform/launcher.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/registry.h"
#include "platform/services.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
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
        bool parentVisible = false; // whether the window was still up when the box showed
    };

    // Permits count more boxes.
    void expect(int count = 1) { m_allowed += count; }
    const std::vector<Box> &boxes() const { return m_boxes; }
    void clear()
    {
        m_boxes.clear();
        m_allowed = 0;
    }

    void show(QWidget *parent, const QString &prompt, int style, const QString &title) override;

private:
    std::vector<Box> m_boxes;
    int m_allowed = 0;
};

// Counts the beeps of the runtime's Beep.
class CountingBeep
{
public:
    std::function<void()> function()
    {
        return [this] { ++m_count; };
    }
    int count() const { return m_count; }
    void reset() { m_count = 0; }

private:
    int m_count = 0;
};

// Records each printed form as its image and the captions of its labels at print time;
// fails with the runtime's printer error while failing() is set.
class RecordingPrinter final : public platform::Printer
{
public:
    struct Page
    {
        QImage image;
        std::map<QString, QString> captions; // object name -> caption of every QLabel
    };

    void setFailing(bool failing) { m_failing = failing; }
    bool failing() const { return m_failing; }
    const std::vector<Page> &pages() const { return m_pages; }
    int attempts() const { return m_attempts; }

    void PrintForm(QWidget &form) override;

private:
    std::vector<Page> m_pages;
    int m_attempts = 0;
    bool m_failing = false;
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
    // A string value, stored with its terminating zero unless told otherwise.
    static Value text(const std::string &text, bool terminated = true)
    {
        return {platform::RegTypeString, terminated ? text + '\0' : text};
    }

    void set(const std::string &path, const std::string &name, Value value)
    {
        m_keys[path][name] = std::move(value);
    }
    void addKey(const std::string &path) { m_keys[path]; }

    int stillOpen() const { return int(m_open.size()); }

    std::optional<Key> openKey(std::uint32_t root, const std::string &path) override;
    bool queryValue(Key key, const std::string &name, std::span<unsigned char> buffer,
                    std::uint32_t &type, std::uint32_t &size) override;
    void closeKey(Key key) override;

    int badCalls = 0; // queries and closes of a key that is not open

private:
    std::map<std::string, std::map<std::string, Value>> m_keys;
    std::map<Key, std::string> m_open;
    Key m_nextKey = 0x1000;
};

// Starts nothing. Records every start asked for and every file tested; a file exists only
// where the test says so, and an empty or unstartable path raises the runtime's
// file-not-found error as a real start would. There is no desktop viewer.
class FakeLauncher final : public platform::Launcher
{
public:
    void start(const std::string &path, const std::vector<std::string> &arguments) override;
    bool fileExists(const std::string &path) override;
    std::optional<platform::Command> systemInfoViewer() override { return std::nullopt; }

    std::set<std::string> files;
    std::set<std::string> unstartable;
    QStringList started; // each path, followed by its arguments
    QStringList tested;
};

// Every double at once, with the Services a window is given.
struct TestServices
{
    TestServices() = default;
    // The services refer to the members, so the bundle stays where it was made.
    TestServices(const TestServices &) = delete;
    TestServices &operator=(const TestServices &) = delete;

    RecordingMsgBox msgBox;
    CountingBeep beep;
    RecordingPrinter printer;
    FakeRegistry registry;
    FakeLauncher launcher;
    platform::Services services{msgBox, beep.function(), printer, registry, launcher};
};

} // namespace orrindel::test
