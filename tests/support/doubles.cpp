#include "doubles.h"

#include "engine/runtimeerror.h"

#include <QLabel>
#include <QTest>
#include <QWidget>

#include <algorithm>

namespace orrindel::test {

void RecordingMsgBox::show(QWidget *parent, const QString &prompt, int style, const QString &title)
{
    m_boxes.push_back({prompt, style, title, parent, parent && parent->isVisible()});
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

std::optional<platform::Registry::Key> FakeRegistry::openKey(std::uint32_t root,
                                                             const std::string &path)
{
    if (root != platform::HKeyLocalMachine || !m_keys.contains(path))
        return std::nullopt;
    const Key key = m_nextKey++;
    m_open[key] = path;
    return key;
}

bool FakeRegistry::queryValue(Key key, const std::string &name, std::span<unsigned char> buffer,
                              std::uint32_t &type, std::uint32_t &size)
{
    const auto open = m_open.find(key);
    if (open == m_open.end()) {
        ++badCalls;
        return false;
    }
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
    if (!m_open.erase(key))
        ++badCalls;
}

void FakeLauncher::start(const std::string &path, const std::vector<std::string> &arguments)
{
    started.push_back(QString::fromStdString(path));
    for (const std::string &argument : arguments)
        started.push_back(QString::fromStdString(argument));
    if (path.empty() || unstartable.contains(path))
        throw RuntimeError::fileNotFound();
}

bool FakeLauncher::fileExists(const std::string &path)
{
    tested.push_back(QString::fromStdString(path));
    return files.contains(path);
}

} // namespace orrindel::test
