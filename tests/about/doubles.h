#pragma once

// Test doubles for the About box: a registry held in memory that counts open keys, a
// launcher that records what it is asked, and a message box that records what it shows.

#include "engine/runtimeerror.h"
#include "platform/launcher.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/registry.h"
#include "platform/services.h"

#include <QString>
#include <QWidget>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace orrindel::testing {

// One stored value: its type and its bytes exactly as stored.
struct RegValue
{
    std::uint32_t type = platform::RegTypeString;
    std::string bytes;
};

inline RegValue regString(const std::string &text)
{
    return {platform::RegTypeString, text + '\0'};
}
inline RegValue regStringUnterminated(const std::string &text)
{
    return {platform::RegTypeString, text};
}

class FakeRegistry final : public platform::Registry
{
public:
    void set(const std::string &key, const std::string &name, const RegValue &value)
    {
        m_keys[key][name] = value;
    }
    void addKey(const std::string &key) { m_keys[key]; }
    // A key that exists but refuses to be opened.
    void refuse(const std::string &key) { m_refused.insert(key); }

    std::optional<Key> openKey(std::uint32_t root, const std::string &path) override
    {
        roots.push_back(root);
        if (root != platform::HKeyLocalMachine || m_refused.count(path) || !m_keys.count(path))
            return std::nullopt;
        const Key key = m_nextKey++;
        m_open[key] = path;
        ++opened;
        return key;
    }

    bool queryValue(Key key, const std::string &name, std::span<unsigned char> buffer,
                    std::uint32_t &type, std::uint32_t &size) override
    {
        if (!m_open.count(key))
            throw std::logic_error("query on a key that is not open");
        offeredBuffer = buffer.size();
        const auto &values = m_keys.at(m_open.at(key));
        const auto found = values.find(name);
        if (found == values.end() || found->second.bytes.size() > buffer.size())
            return false;
        std::memcpy(buffer.data(), found->second.bytes.data(), found->second.bytes.size());
        type = found->second.type;
        size = static_cast<std::uint32_t>(found->second.bytes.size());
        return true;
    }

    void closeKey(Key key) override
    {
        if (!m_open.erase(key))
            ++badCloses;
    }

    int stillOpen() const { return static_cast<int>(m_open.size()); }

    int opened = 0;
    int badCloses = 0;
    std::size_t offeredBuffer = 0;
    std::vector<std::uint32_t> roots;

private:
    std::map<std::string, std::map<std::string, RegValue>> m_keys;
    std::set<std::string> m_refused;
    std::map<Key, std::string> m_open;
    Key m_nextKey = 0x1000;
};

// Starts nothing; a path it knows as a file exists, an empty or unstartable path raises
// the runtime's error as a real start would.
class RecordingLauncher final : public platform::Launcher
{
public:
    void start(const std::string &path) override
    {
        started.push_back(QString::fromStdString(path));
        if (path.empty() || unstartable.count(path))
            throw RuntimeError::fileNotFound();
    }
    bool fileExists(const std::string &path) override
    {
        tested.push_back(QString::fromStdString(path));
        return files.count(path) > 0;
    }

    std::set<std::string> files;
    std::set<std::string> unstartable;
    QStringList started;
    QStringList tested;
};

class RecordingMsgBox final : public platform::MsgBox
{
public:
    struct Shown
    {
        QWidget *parent;
        QString prompt;
        int style;
        QString title;
    };
    void show(QWidget *parent, const QString &prompt, int style, const QString &title) override
    {
        // The dialog must still be up while the message is shown.
        parentVisible.push_back(parent && parent->isVisible());
        shown.push_back({parent, prompt, style, title});
    }
    std::vector<Shown> shown;
    std::vector<bool> parentVisible;
};

class NoPrinter final : public platform::Printer
{
public:
    void PrintForm(QWidget &) override { throw std::logic_error("the About box never prints"); }
};

// Everything the dialog needs, with the doubles above.
struct Doubles
{
    FakeRegistry registry;
    RecordingLauncher launcher;
    RecordingMsgBox msgBox;
    NoPrinter printer;
    int beeps = 0;
    platform::Services services{msgBox, [this] { ++beeps; }, printer, registry, launcher};
};

} // namespace orrindel::testing
