#include "frmabout.h"

#include "engine/runtimeerror.h"
#include "platform/application.h"
#include "platform/msgbox.h"
#include "platform/services.h"
#include "platform/system/launcher.h"
#include "platform/system/registry.h"

#include <QDate>
#include <QKeyEvent>
#include <QLocale>
#include <QPushButton>

#include <algorithm>

namespace orrindel {

namespace {

using enum platform::Kind;

// Where Windows records the System Information tool: its full path, or else its folder.
const char *const RegKeySysInfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const char *const RegValSysInfo = "PATH";
const char *const RegKeySysInfoLoc = "SOFTWARE\\Microsoft\\Shared Tools Location";
const char *const RegValSysInfoLoc = "MSINFO";

const platform::Style Black{.textColour = 0x000000};
const platform::Style TitleFont{.pointSize = 13.5, .textColour = 0x000000};
const platform::Style Plain{};

// Topmost first. A line is given as its left end, length and thickness: Line1(1) runs from
// (90, 1965) to (5654, 1965) one pixel thick, Line1(0) from (105, 1980) to (5654, 1980) two.
// clang-format off
const platform::ControlRow Layout[] = {
    {"picIcon", -1, PictureBox, nullptr, {240, 240, 480, 480}, nullptr, nullptr},
    {"cmdOK", -1, CommandButton, nullptr, {4245, 2145, 1260, 345},
     QT_TRANSLATE_NOOP("orrindel::frmAbout", "OK"), nullptr},
    {"cmdSysInfo", -1, CommandButton, nullptr, {4260, 2595, 1245, 345},
     QT_TRANSLATE_NOOP("orrindel::frmAbout", "&System Info..."), nullptr},
    {"Line1", 1, Line, nullptr, {90, 1965, 5564, 15}, nullptr, nullptr},
    {"lblDescription", -1, Label, nullptr, {1050, 1125, 3885, 690}, nullptr, &Black},
    {"lblTitle", -1, Label, nullptr, {1050, 240, 3885, 480}, nullptr, &TitleFont},
    {"Line1", 0, Line, nullptr, {105, 1980, 5549, 30}, nullptr, nullptr},
    {"lblVersion", -1, Label, nullptr, {1050, 780, 3885, 225}, nullptr, &Plain},
    {"lblDisclaimer", -1, Label, nullptr, {255, 2145, 3870, 825}, nullptr, &Black},
};
// clang-format on

// What a screen reader calls each control. A label is heard by its part in the box followed
// by its caption.
const struct
{
    const char *control;
    int index;
    const char *name;
} AccessibleNames[] = {
    {"picIcon", -1, QT_TRANSLATE_NOOP("orrindel::frmAbout", "Orrindel icon")},
    {"cmdOK", -1, QT_TRANSLATE_NOOP("orrindel::frmAbout", "OK")},
    {"cmdSysInfo", -1, QT_TRANSLATE_NOOP("orrindel::frmAbout", "System Info...")},
    {"Line1", 1, QT_TRANSLATE_NOOP("orrindel::frmAbout", "Separator")},
    {"lblDescription", -1, QT_TRANSLATE_NOOP("orrindel::frmAbout", "Description")},
    {"lblTitle", -1, QT_TRANSLATE_NOOP("orrindel::frmAbout", "Title")},
    {"Line1", 0, QT_TRANSLATE_NOOP("orrindel::frmAbout", "Separator")},
    {"lblVersion", -1, QT_TRANSLATE_NOOP("orrindel::frmAbout", "Version")},
    {"lblDisclaimer", -1, QT_TRANSLATE_NOOP("orrindel::frmAbout", "Disclaimer")},
};

const char *const Labels[] = {"lblDescription", "lblTitle", "lblVersion", "lblDisclaimer"};

constexpr int ClientWidth = 5730;
constexpr int ClientHeight = 3045;

} // namespace

frmAbout::frmAbout(platform::Services &services, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_services(services)
{
    setFont(platform::formFont());
    setFixedSize(platform::twipsToPixels(ClientWidth), platform::twipsToPixels(ClientHeight));

    m_controls = platform::buildControls(*this, Layout);
    m_cmdOK = m_controls.get<QPushButton>("cmdOK");
    m_cmdSysInfo = m_controls.get<QPushButton>("cmdSysInfo");

    // The picture box shows the application's icon, is sized to it and, like a button, takes
    // the focus by Tab.
    auto *picIcon = m_controls.get<QLabel>("picIcon");
    picIcon->setPixmap(windowIcon().pixmap(QSize(32, 32), devicePixelRatioF()));
    picIcon->resize(picIcon->pixmap().deviceIndependentSize().toSize());
    picIcon->setFocusPolicy(Qt::TabFocus);

    // The etched separator: grey, with white one pixel below.
    m_controls.get<platform::Line>("Line1", 1)->setBorderColor(0x808080);
    m_controls.get<platform::Line>("Line1", 0)->setBorderColor(0xFFFFFF);

    // Labels are opaque in the dialog's own colour.
    for (const char *name : Labels)
        label(name).setAutoFillBackground(true);

    for (const auto &row : AccessibleNames)
        m_controls.at(row.control, row.index)->setAccessibleName(tr(row.name));

    m_cmdOK->setDefault(true);
    setTabOrder(m_cmdOK, picIcon);
    setTabOrder(picIcon, m_cmdSysInfo);
    m_cmdOK->setFocus();

    connect(m_cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(m_cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    Form_Load();
    // Chinese characters stand taller than the Latin letters the labels were drawn for.
    for (const char *name : Labels) {
        platform::Label &caption = label(name);
        caption.resize(caption.width(),
                       std::max(caption.height(), caption.heightForWidth(caption.width())));
    }
}

platform::Label &frmAbout::label(const char *name) const
{
    return *m_controls.get<platform::Label>(name);
}

void frmAbout::Form_Load()
{
    using platform::Application;
    setWindowTitle(tr("About %1").arg(Application::title()));
    label("lblVersion")
        .setCaption(tr("Version %1.%2.%3")
                        .arg(Application::Major)
                        .arg(Application::Minor)
                        .arg(Application::Revision));
    label("lblTitle").setCaption(Application::title());
    label("lblDescription")
        .setCaption(tr("Xuan Kong flying star charts for houses and years\r\n"
                       "          Written by the Orrindel developers\r\n"
                       "          %1")
                        .arg(QLocale::c().toString(
                            QDate(Application::ReleaseYear, Application::ReleaseMonth, 1),
                            tr("MMMM yyyy", "the release date's format"))));
    label("lblDisclaimer")
        .setCaption(tr("This program is free and may be copied and given away freely. It "
                       "comes with no warranty, and its authors accept no liability for any "
                       "use made of it."));
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::keyPressEvent(QKeyEvent *event)
{
    // cmdOK is also the cancel button: Esc presses it rather than rejecting the dialog.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmAbout::StartSysInfo()
{
    try {
        QString SysInfoPath;
        bool found = GetKeyValue(platform::HKeyLocalMachine, QString::fromLatin1(RegKeySysInfo),
                                 QString::fromLatin1(RegValSysInfo), SysInfoPath);
        // The first entry is the tool itself and is taken as it is; the second names its
        // folder, which must hold the tool.
        if (!found && GetKeyValue(platform::HKeyLocalMachine, QString::fromLatin1(RegKeySysInfoLoc),
                                  QString::fromLatin1(RegValSysInfoLoc), SysInfoPath)) {
            SysInfoPath += QStringLiteral("\\MSINFO32.EXE");
            found = m_services.launcher.fileExists(SysInfoPath.toStdString());
        }
        if (found) {
            m_services.launcher.start(SysInfoPath.toStdString(), {});
            return;
        }
        // Where no registry names the tool, the desktop's own viewer stands in for it.
        if (const auto viewer = m_services.launcher.systemInfoViewer()) {
            m_services.launcher.start(viewer->program, viewer->arguments);
            return;
        }
    } catch (const RuntimeError &) {
        // Falls through to the one message, whatever went wrong.
    }
    m_services.msgBox.show(this, tr("System Information Is Unavailable At This Time"),
                           platform::vbOKOnly, platform::Application::title());
}

bool frmAbout::GetKeyValue(std::uint32_t KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                           QString &KeyVal)
{
    // The registry speaks the system's ANSI code page.
    const std::string before = KeyVal.toLocal8Bit().toStdString();
    std::string value = before;
    const bool read =
        platform::readKeyValue(m_services.registry, KeyRoot, KeyName.toLocal8Bit().toStdString(),
                               SubKeyRef.toLocal8Bit().toStdString(), value);
    // A value of another type leaves the caller's text exactly as it was.
    if (value != before)
        KeyVal = QString::fromLocal8Bit(value);
    return read;
}

} // namespace orrindel
