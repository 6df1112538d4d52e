#pragma once

// Test doubles for the runtime services, so a window under test neither beeps, blocks on a
// message box, prints, reads the registry nor starts a program.

#include "engine/runtimeerror.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "platform/system/launcher.h"
#include "platform/system/registry.h"

#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <map>

namespace orrindel::test {

// Records every message box as "title: prompt (style)" and its details, and the window of
// the last.
struct RecordingMsgBox final : platform::MsgBox
{
    void show(QWidget *owner, const QString &prompt, int style, const QString &title,
              const QString &detail = {}) override
    {
        boxes << QStringLiteral("%1: %2 (%3)").arg(title, prompt).arg(style), parent = owner;
        details << detail;
    }
    // Records the question and answers it with the next of the answers given, else No.
    bool confirm(QWidget *owner, const QString &prompt, const QString &title) override
    {
        questions << QStringLiteral("%1: %2").arg(title, prompt), parent = owner;
        return !answers.isEmpty() && answers.takeFirst();
    }
    QList<bool> answers;
    QStringList boxes, details, questions;
    QWidget *parent = nullptr;
};

// Counts the pages printed.
struct CountingPrinter final : platform::Printer
{
    void PrintForm(QWidget &) override { ++pages; }
    int pages = 0;
};

// A registry held in memory under HKEY_LOCAL_MACHINE only, values raw bytes with a type.
// Counts calls on keys that are not open.
struct FakeRegistry final : platform::Registry
{
    struct Value
    {
        std::uint32_t type = platform::RegTypeString;
        std::string bytes;
    };
    std::map<std::string, std::map<std::string, Value>> keys;
    std::map<Key, std::string> open;
    int badCalls = 0;
    Key next = 0x1000;

    std::optional<Key> openKey(std::uint32_t root, const std::string &path) override
    {
        if (root != platform::HKeyLocalMachine || !keys.contains(path))
            return std::nullopt;
        return open[next] = path, next++;
    }
    bool queryValue(Key key, const std::string &name, std::span<unsigned char> buffer,
                    std::uint32_t &type, std::uint32_t &size) override
    {
        if (!open.contains(key))
            return ++badCalls, false;
        const auto &values = keys.at(open.at(key));
        const auto value = values.find(name);
        if (value == values.end() || value->second.bytes.size() > buffer.size())
            return false;
        std::ranges::copy(value->second.bytes, buffer.begin());
        type = value->second.type;
        size = std::uint32_t(value->second.bytes.size());
        return true;
    }
    void closeKey(Key key) override { badCalls += open.erase(key) == 0; }
};

// Starts nothing and finds no file and no viewer.
struct NoLauncher final : platform::Launcher
{
    void start(const std::string &, const std::vector<std::string> &) override
    {
        throw RuntimeError::fileNotFound();
    }
    bool fileExists(const std::string &) override { return false; }
    std::optional<platform::Command> systemInfoViewer() override { return std::nullopt; }
};

// Every double at once, with the Services a window is given; beeps are counted.
struct TestServices
{
    RecordingMsgBox msgBox;
    int beeps = 0;
    CountingPrinter printer;
    FakeRegistry registry;
    NoLauncher launcher;
    platform::Services services{msgBox, [this] { ++beeps; }, printer, registry, launcher};
};

} // namespace orrindel::test
