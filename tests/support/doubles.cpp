#include "doubles.h"

#include "engine/runtimeerror.h"

#include <QLabel>
#include <QTest>
#include <QWidget>

#include <algorithm>

namespace orrindel::test {

void RecordingMsgBox::show(QWidget *parent, const QString &prompt, int style, const QString &title)
{
    m_boxes.push_back({prompt, style, title, parent});
    if (int(m_boxes.size()) > m_allowed)
        QTest::qFail(qPrintable("unexpected message box: " + title + ": " + prompt), __FILE__,
                     __LINE__);
}

void RecordingPrinter::PrintForm(QWidget &form)
{
    ++attempts;
    if (failing)
        throw RuntimeError::printerError("test printer is failing");
    std::map<QString, QString> &page = pages.emplace_back();
    for (const QLabel *label : form.findChildren<QLabel *>())
        page[label->objectName()] = label->text();
}

std::optional<platform::Registry::Key> FakeRegistry::openKey(std::uint32_t root,
                                                             const std::string &path)
{
    if (root != platform::HKeyLocalMachine || !m_keys.contains(path))
        return std::nullopt;
    m_open[m_nextKey] = path;
    return m_nextKey++;
}

bool FakeRegistry::queryValue(Key key, const std::string &name, std::span<unsigned char> buffer,
                              std::uint32_t &type, std::uint32_t &size)
{
    const auto open = m_open.find(key);
    if (open == m_open.end())
        return ++badCalls, false;
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
    badCalls += m_open.erase(key) == 0;
}

void NoLauncher::start(const std::string &, const std::vector<std::string> &)
{
    throw RuntimeError::fileNotFound();
}

} // namespace orrindel::test
