#include "launcher.h"

#include "engine/runtimeerror.h"

#include <QFileInfo>
#include <QProcess>

namespace orrindel::platform {

namespace {

class UnixLauncher final : public Launcher
{
public:
    void start(const std::string &path) override
    {
        // The program by its path with no arguments: nothing is parsed or split.
        if (!QProcess::startDetached(QString::fromStdString(path), {}))
            throw RuntimeError::fileNotFound();
    }

    bool fileExists(const std::string &path) override
    {
        // A dot file is the hidden file here; there is no system attribute.
        const QFileInfo info(QString::fromStdString(path));
        return info.isFile() && !info.isHidden();
    }
};

} // namespace

std::unique_ptr<Launcher> makeSystemLauncher()
{
    return std::make_unique<UnixLauncher>();
}

} // namespace orrindel::platform
