#include "launcher.h"

#include "engine/runtimeerror.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace orrindel::platform {

namespace {

class UnixLauncher final : public Launcher
{
public:
    void start(const std::string &path, const std::vector<std::string> &arguments) override
    {
        // The program by its path and a list of arguments: nothing is parsed or split.
        QStringList list;
        for (const std::string &argument : arguments)
            list << QString::fromStdString(argument);
        if (!QProcess::startDetached(QString::fromStdString(path), list))
            throw RuntimeError::fileNotFound();
    }

    std::optional<Command> systemInfoViewer() override
    {
        // KDE's, then GNOME's (its About panel, so named up to GNOME 43), then a
        // desktop-neutral one; each found on PATH and started by the path found.
        static const Command Viewers[] = {
            {"kinfocenter", {}}, {"gnome-control-center", {"about"}}, {"hardinfo", {}}};
        for (const Command &viewer : Viewers) {
            const QString path =
                QStandardPaths::findExecutable(QString::fromStdString(viewer.program));
            if (!path.isEmpty())
                return Command{path.toStdString(), viewer.arguments};
        }
        return std::nullopt;
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
