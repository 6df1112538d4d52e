#include "doubles.h"

#include "engine/runtimeerror.h"

#include <QLabel>
#include <QTest>
#include <QWidget>

#include <algorithm>

namespace orrindel::test {

void RecordingMsgBox::show(QWidget *, const QString &prompt, int style, const QString &title)
{
    m_boxes.push_back({prompt, style, title});
    if (int(m_boxes.size()) > m_allowed) {
        const QByteArray message =
            "unexpected message box: " + title.toUtf8() + ": " + prompt.toUtf8();
        QTest::qFail(message.constData(), __FILE__, __LINE__);
    }
}

void RecordingPrinter::PrintForm(QWidget &form)
{
    ++m_attempts;
    if (m_failing)
        throw RuntimeError::printerError("test printer is failing");
    Page page;
    page.image = form.grab().toImage();
    for (const QLabel *label : form.findChildren<QLabel *>())
        page.captions[label->objectName()] = label->text();
    m_pages.push_back(std::move(page));
}

void FakeRegistry::setString(std::uint32_t root, const std::string &path, const std::string &name,
                             const std::string &text, bool terminated)
{
    Value value;
    value.type = platform::RegTypeString;
    value.bytes.assign(text.begin(), text.end());
    if (terminated)
        value.bytes.push_back(0);
    setValue(root, path, name, std::move(value));
}

void FakeRegistry::setValue(std::uint32_t root, const std::string &path, const std::string &name,
                            Value value)
{
    m_keys[{root, path}][name] = std::move(value);
}

void FakeRegistry::setUnopenable(std::uint32_t root, const std::string &path)
{
    m_keys[{root, path}];
    m_unopenable.insert({root, path});
}

std::optional<platform::Registry::Key> FakeRegistry::openKey(std::uint32_t root,
                                                             const std::string &path)
{
    m_opened.push_back(path);
    const KeyPath keyPath{root, path};
    if (!m_keys.contains(keyPath) || m_unopenable.contains(keyPath))
        return std::nullopt;
    const Key key = m_nextKey++;
    m_open[key] = keyPath;
    return key;
}

bool FakeRegistry::queryValue(Key key, const std::string &name, std::span<unsigned char> buffer,
                              std::uint32_t &type, std::uint32_t &size)
{
    const auto open = m_open.find(key);
    if (open == m_open.end())
        return false;
    const auto &values = m_keys.at(open->second);
    const auto value = values.find(name);
    if (value == values.end() || value->second.bytes.size() > buffer.size())
        return false;
    std::copy(value->second.bytes.begin(), value->second.bytes.end(), buffer.begin());
    type = value->second.type;
    size = std::uint32_t(value->second.bytes.size());
    return true;
}

void FakeRegistry::closeKey(Key key)
{
    m_open.erase(key);
}

void FakeLauncher::start(const std::string &path)
{
    if (m_failing)
        throw RuntimeError::fileNotFound();
    m_started.push_back(path);
}

bool FakeLauncher::fileExists(const std::string &path)
{
    m_checked.push_back(path);
    return m_files.contains(path);
}

} // namespace orrindel::test
