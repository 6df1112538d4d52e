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
// running test.
class RecordingMsgBox final : public platform::MsgBox
{
public:
    struct Box
    {
        QString prompt;
        int style = 0;
        QString title;
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

// A registry held in memory. Keys are opened by root and path; values are raw bytes with a
// type. Counts the keys left open.
class FakeRegistry final : public platform::Registry
{
public:
    struct Value
    {
        std::uint32_t type = platform::RegTypeString;
        std::vector<unsigned char> bytes;
    };

    // A string value, stored with its terminating zero unless told otherwise.
    void setString(std::uint32_t root, const std::string &path, const std::string &name,
                   const std::string &text, bool terminated = true);
    void setValue(std::uint32_t root, const std::string &path, const std::string &name,
                  Value value);
    // A key that exists but refuses to be opened.
    void setUnopenable(std::uint32_t root, const std::string &path);

    int openKeys() const { return int(m_open.size()); }
    const std::vector<std::string> &openedPaths() const { return m_opened; }

    std::optional<Key> openKey(std::uint32_t root, const std::string &path) override;
    bool queryValue(Key key, const std::string &name, std::span<unsigned char> buffer,
                    std::uint32_t &type, std::uint32_t &size) override;
    void closeKey(Key key) override;

private:
    using KeyPath = std::pair<std::uint32_t, std::string>;
    std::map<KeyPath, std::map<std::string, Value>> m_keys;
    std::set<KeyPath> m_unopenable;
    std::map<Key, KeyPath> m_open;
    std::vector<std::string> m_opened;
    Key m_nextKey = 1;
};

// Records the programs started; files exist only where the test says so, and a start fails
// (file not found) while failing() is set.
class FakeLauncher final : public platform::Launcher
{
public:
    void addFile(const std::string &path) { m_files.insert(path); }
    void setFailing(bool failing) { m_failing = failing; }
    const std::vector<std::string> &started() const { return m_started; }
    const std::vector<std::string> &checkedFiles() const { return m_checked; }

    void start(const std::string &path) override;
    bool fileExists(const std::string &path) override;

private:
    std::set<std::string> m_files;
    std::vector<std::string> m_started;
    std::vector<std::string> m_checked;
    bool m_failing = false;
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
