#include "frmmain.h"

#include "engine/calc.h"
#include "engine/chart.h"
#include "engine/keystroke.h"
#include "engine/numerictext.h"
#include "engine/runtimeerror.h"
#include "engine/validation.h"
#include "platform/application.h"
#include "platform/checkbox.h"
#include "platform/datepicker.h"
#include "platform/msgbox.h"
#include "platform/services.h"
#include "platform/textbox.h"
#include "ui/about/frmabout.h"
#include "ui/details/chartdetails.h"
#include "ui/houses/houseregister.h"
#include "ui/print/frmprint.h"
#include "ui/shared/chartlayout.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <utility>
#include <vector>

namespace orrindel {

using platform::ControlRow;
using platform::Kind;
using platform::Style;

namespace {

constexpr unsigned PalaceWhite = 0xFFFFFF;
constexpr unsigned PalaceGrey = 0xE0E0E0;

// Client area below the menu bar, in twips.
constexpr int ClientWidth = 5310;
constexpr int ClientHeight = 6270;

// Top-left corner of the chart grid inside fraChart.
constexpr int GridLeft = 360;
constexpr int GridTop = 360;

const Style captionStyle{};
const Style noticeStyle{.alignment = Qt::AlignHCenter | Qt::AlignTop, .transparent = true};
// A white box keeps black text whatever the desktop's palette.
const Style inputStyle{.textColour = 0x000000, .backColour = 0xFFFFFF};
const Style starStyle{.family = "Times New Roman",
                      .pointSize = 15.75,
                      .bold = true,
                      .alignment = Qt::AlignHCenter | Qt::AlignTop,
                      .textColour = 0x000000,
                      .transparent = true,
                      .wordWrap = false};
const Style annualStyle{.family = "Times New Roman",
                        .pointSize = 9.75,
                        .bold = true,
                        .alignment = Qt::AlignCenter,
                        .textColour = 0x000000,
                        .transparent = true,
                        .border = true,
                        .wordWrap = false};
// The system grey-text colour.
const Style directionStyle{.family = "Times New Roman",
                           .pointSize = 9.75,
                           .bold = true,
                           .alignment = Qt::AlignHCenter | Qt::AlignTop,
                           .textColour = 0x808080,
                           .transparent = true,
                           .wordWrap = false};

// The compass captions round the chart.
constexpr CompassCaption Directions[] = {
    {South, 2340, 120},  {SouthWest, 4680, 120}, {West, 4680, 1800}, {NorthWest, 4680, 3600},
    {North, 2340, 3600}, {NorthEast, 0, 3600},   {East, 0, 1800},    {SouthEast, 0, 120},
};

// The window's controls, stacked topmost first. Text boxes, the date picker and the check
// box are made by customControl.
std::vector<ControlRow> layoutTable()
{
    auto rect = [](int left, int top, int width, int height) {
        return QRect(left, top, width, height);
    };
    std::vector<ControlRow> table = {
        {"Frame1", -1, Kind::Frame, nullptr, rect(120, 0, 5055, 1335), "", nullptr},
        {"btnPrint", -1, Kind::CommandButton, "Frame1", rect(3600, 525, 1215, 375),
         QT_TRANSLATE_NOOP("orrindel::frmMain", "&Print Chart"), nullptr},
        {"btnCalculate", -1, Kind::CommandButton, "Frame1", rect(3600, 165, 1215, 375),
         QT_TRANSLATE_NOOP("orrindel::frmMain", "&Calculate"), nullptr},
        {"Command1", -1, Kind::CommandButton, "Frame1", rect(3600, 900, 1215, 375),
         QT_TRANSLATE_NOOP("orrindel::frmMain", "E&xit"), nullptr},
        {"txtFacing", -1, Kind::Custom, "Frame1", rect(1680, 600, 495, 285), "", &inputStyle, 5},
        {"txtYear", -1, Kind::Custom, "Frame1", rect(1680, 240, 495, 285), "", &inputStyle,
         YearTextMaxLength},
        {"dtDatePicker", -1, Kind::Custom, "Frame1", rect(1950, 960, 975, 300), "", nullptr},
        {"chkDate", -1, Kind::Custom, "Frame1", rect(1680, 960, 255, 300), "->", nullptr},
        {"lblLabel", 0, Kind::Label, "Frame1", rect(120, 615, 1335, 255),
         QT_TRANSLATE_NOOP("orrindel::frmMain", "Facing &Degree:"), &captionStyle},
        {"lblLabel", 1, Kind::Label, "Frame1", rect(120, 240, 1575, 255),
         QT_TRANSLATE_NOOP("orrindel::frmMain", "&Year of Construction:"), &captionStyle},
        {"lblLabel", 5, Kind::Label, "Frame1", rect(120, 990, 1335, 255),
         QT_TRANSLATE_NOOP("orrindel::frmMain", "&View Annual Stars:"), &captionStyle},
        {"fraChart", -1, Kind::Frame, nullptr, rect(120, 1320, 5085, 3855), "", nullptr},
    };
    auto append = [&table](const std::vector<ControlRow> &rows) {
        table.insert(table.end(), rows.begin(), rows.end());
    };
    append(chartRows(ChartArray::Annual, GridLeft, GridTop, "fraChart", &annualStyle));
    append(directionRows(Directions, "fraChart", &directionStyle));
    append(chartRows(ChartArray::Time, GridLeft, GridTop, "fraChart", &starStyle));
    append(chartRows(ChartArray::Mountain, GridLeft, GridTop, "fraChart", &starStyle));
    append(chartRows(ChartArray::Facing, GridLeft, GridTop, "fraChart", &starStyle));
    append(chartRows(ChartArray::Palace, GridLeft, GridTop, "fraChart", nullptr));
    append({
        {"lblLabel", 4, Kind::Label, nullptr, rect(120, 5760, 5055, 495), "", &noticeStyle},
        {"lblLabel", 3, Kind::Label, nullptr, rect(120, 5520, 5055, 255), "", &noticeStyle},
        {"lblLabel", 2, Kind::Label, nullptr, rect(120, 5280, 5055, 255), "", &noticeStyle},
    });
    return table;
}

QWidget *customControl(const ControlRow &row, QWidget *parent)
{
    const QString name = QString::fromLatin1(row.name);
    if (name == QLatin1String("txtYear") || name == QLatin1String("txtFacing")) {
        auto *box = new platform::TextBox(parent);
        box->setMaxLength(row.maxLength);
        // The box is only a few characters wide; the frame alone is margin enough.
        box->setTextMargins(0, 0, 0, 0);
        return box;
    }
    if (name == QLatin1String("dtDatePicker")) {
        auto *picker = new platform::DatePicker(LowestAnnualYear, HighestAnnualYear, parent);
        // Disabled like the unchecked box beside it until the annual stars are switched on.
        picker->setEnabled(false);
        return picker;
    }
    if (name == QLatin1String("chkDate")) {
        auto *check = new platform::GraphicalCheckBox(QString::fromLatin1(row.caption), parent);
        check->setToolTip(
            QCoreApplication::translate("orrindel::frmMain", "Enables/Disables Annual Stars"));
        return check;
    }
    return nullptr;
}

} // namespace

frmMain::frmMain(platform::Services &services, QWidget *parent)
    : QMainWindow(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(platform::Application::title());
    // Fixed single border: a minimise button and the system menu, no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFont(platform::formFont());
    client->setFixedSize(platform::twipsToPixels(ClientWidth),
                         platform::twipsToPixels(ClientHeight));
    setCentralWidget(client);

    const std::vector<ControlRow> table = layoutTable();
    m_controls = platform::buildControls(*client, table, customControl);
    bindControls();
    nameControls();
    buildMenu();
    connectEvents();

    setFixedSize(sizeHint());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::bindControls()
{
    auto label = [this](const char *name, int index) {
        return m_controls.get<platform::Label>(name, index);
    };
    m_ui.txtYear = m_controls.get<platform::TextBox>("txtYear");
    m_ui.txtFacing = m_controls.get<platform::TextBox>("txtFacing");
    m_ui.btnCalculate = m_controls.get<QPushButton>("btnCalculate");
    m_ui.btnPrint = m_controls.get<QPushButton>("btnPrint");
    m_ui.Command1 = m_controls.get<QPushButton>("Command1");
    m_ui.chkDate = m_controls.get<platform::GraphicalCheckBox>("chkDate");
    m_ui.dtDatePicker = m_controls.get<platform::DatePicker>("dtDatePicker");
    for (int i = 0; i < int(m_ui.lblLabel.size()); ++i)
        m_ui.lblLabel[i] = label("lblLabel", i);
    for (int i = 0; i < PalaceCount; ++i) {
        m_ui.lblTime[i] = label("lblTime", i);
        m_ui.lblFacing[i] = label("lblFacing", i);
        m_ui.lblMountain[i] = label("lblMountain", i);
        m_ui.lblAnnual[i] = label("lblAnnual", i);
        m_ui.shpPalace[i] = m_controls.get<platform::Shape>("shpPalace", i);
        m_ui.lblAnnual[i]->hide();
    }

    captionDirections(m_controls, Directions);

    // Captions may run on into the free space before the inputs that follow them.
    for (const int i : {0, 1, 5})
        platform::growToText(*m_ui.lblLabel[i], m_ui.txtYear->x() - 1);

    // Each caption's access key moves the focus to the input that follows it.
    m_ui.lblLabel[1]->setBuddy(m_ui.txtYear);
    m_ui.lblLabel[0]->setBuddy(m_ui.txtFacing);
    m_ui.lblLabel[5]->setBuddy(m_ui.chkDate);

    // Tab visits the inputs top to bottom, then the buttons, Exit first.
    const std::array<QWidget *, 7> tabOrder = {
        m_ui.txtYear,  m_ui.txtFacing,    m_ui.chkDate,  m_ui.dtDatePicker,
        m_ui.Command1, m_ui.btnCalculate, m_ui.btnPrint,
    };
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    // A focused button takes Enter itself; anywhere else Enter presses Calculate.
    for (QPushButton *button : {m_ui.btnCalculate, m_ui.btnPrint, m_ui.Command1})
        button->setAutoDefault(true);
    m_ui.btnCalculate->setDefault(true);
    m_ui.btnCalculate->setEnabled(false);
    m_ui.btnPrint->setEnabled(false);
    m_ui.txtYear->setFocus();
}

// What a screen reader says of each control: captions without their access-key marker,
// and for the chart each star's role and place, followed by its digit.
void frmMain::nameControls()
{
    auto caption = [](const platform::Label *label) {
        return platform::spokenCaption(label->Caption());
    };
    m_ui.txtYear->setAccessibleName(caption(m_ui.lblLabel[1]));
    m_ui.txtFacing->setAccessibleName(caption(m_ui.lblLabel[0]));
    m_ui.chkDate->setAccessibleName(tr("View annual stars"));
    m_ui.dtDatePicker->setAccessibleName(tr("Annual stars month"));
    m_controls.at("Frame1")->setAccessibleName(tr("Building"));
    m_controls.at("fraChart")->setAccessibleName(tr("Chart"));
    const QString noChart = tr("No chart is shown");
    for (int i = 0; i < PalaceCount; ++i) {
        const QString place = palaceName(i);
        const std::pair<platform::Label *, QString> stars[] = {
            {m_ui.lblTime[i], tr("Time star, %1")},
            {m_ui.lblFacing[i], tr("Facing star, %1")},
            {m_ui.lblMountain[i], tr("Mountain star, %1")},
            {m_ui.lblAnnual[i], tr("Annual star, %1")},
        };
        for (const auto &[label, role] : stars) {
            label->setAccessibleName(role.arg(place));
            label->setEmptyValue(noChart);
        }
        fillPalace(i, PalaceWhite);
    }
}

void frmMain::fillPalace(int palace, unsigned colour)
{
    m_ui.shpPalace[palace]->setFillColor(colour);
    QString name = (colour == PalaceGrey ? tr("%1 palace, sitting palace") : tr("%1 palace"))
                       .arg(palaceName(palace));
    name[0] = name[0].toUpper();
    m_ui.shpPalace[palace]->setAccessibleName(name);
}

void frmMain::buildMenu()
{
    QMenu *mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    // No shortcut: every Ctrl+letter typed in a box is the key filter's to refuse.
    m_ui.mnuFileDetails = mnuFile->addAction(tr("Chart De&tails…"));
    m_ui.mnuFileDetails->setObjectName(QStringLiteral("mnuFileDetails"));
    m_ui.mnuFileHouses = mnuFile->addAction(tr("&Houses…"));
    m_ui.mnuFileHouses->setObjectName(QStringLiteral("mnuFileHouses"));
    // The plans of the house whose chart is shown, so only while it is.
    m_ui.mnuFileFloorPlan = mnuFile->addAction(tr("&Floor Plan…"));
    m_ui.mnuFileFloorPlan->setObjectName(QStringLiteral("mnuFileFloorPlan"));
    m_ui.mnuFileFloorPlan->setEnabled(false);
    mnuFile->addSeparator();
    m_ui.mnuFileExit = mnuFile->addAction(tr("E&xit"));
    m_ui.mnuFileExit->setObjectName(QStringLiteral("mnuFileExit"));
    m_ui.mnuFileExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *mnuAbout = menuBar()->addMenu(tr("&About"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    m_ui.mnuAboutAbout = mnuAbout->addAction(tr("&About"));
    m_ui.mnuAboutAbout->setObjectName(QStringLiteral("mnuAboutAbout"));
    m_ui.mnuAboutAbout->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
}

template <typename Procedure> void frmMain::trap(Procedure procedure)
{
    try {
        procedure();
    } catch (const RuntimeError &error) {
        platform::reportUntrapped(m_services.msgBox, this, error);
    }
}

template <typename Sender, typename Signal>
void frmMain::on(Sender *sender, Signal signal, void (frmMain::*procedure)())
{
    connect(sender, signal, this,
            [this, procedure] { trap([this, procedure] { (this->*procedure)(); }); });
}

void frmMain::connectEvents()
{
    m_ui.txtFacing->setKeyPress(
        [this](std::int16_t &KeyAscii) { trap([&] { txtFacing_KeyPress(KeyAscii); }); });
    m_ui.txtYear->setKeyPress(
        [this](std::int16_t &KeyAscii) { trap([&] { txtYear_KeyPress(KeyAscii); }); });
    on(m_ui.txtFacing, &QLineEdit::textChanged, &frmMain::txtFacing_Change);
    on(m_ui.txtYear, &QLineEdit::textChanged, &frmMain::txtYear_Change);
    on(m_ui.btnCalculate, &QPushButton::clicked, &frmMain::btnCalculate_Click);
    on(m_ui.btnPrint, &QPushButton::clicked, &frmMain::btnPrint_Click);
    on(m_ui.Command1, &QPushButton::clicked, &frmMain::Command1_Click);
    on(m_ui.chkDate, &platform::GraphicalCheckBox::Click, &frmMain::chkDate_Click);
    on(m_ui.dtDatePicker, &platform::DatePicker::Change, &frmMain::dtDatePicker_Change);
    for (int i = 0; i < PalaceCount; ++i) {
        connect(m_ui.lblTime[i], &platform::Label::Change, this,
                [this, i] { trap([this, i] { lblTime_Change(i); }); });
    }
    on(m_ui.mnuFileExit, &QAction::triggered, &frmMain::mnuFileExit_Click);
    on(m_ui.mnuAboutAbout, &QAction::triggered, &frmMain::mnuAboutAbout_Click);
    on(m_ui.mnuFileDetails, &QAction::triggered, &frmMain::mnuFileDetails_Click);
    on(m_ui.mnuFileHouses, &QAction::triggered, &frmMain::mnuFileHouses_Click);
    on(m_ui.mnuFileFloorPlan, &QAction::triggered, &frmMain::mnuFileFloorPlan_Click);
}

void frmMain::Form_Load()
{
    m_calc = std::make_unique<Calc>();
    m_keystroke = std::make_unique<Keystroke>(m_services.beep);
    m_ui.dtDatePicker->setValue(QDate::currentDate());
    m_ui.lblLabel[2]->setCaption(tr("Construction years may only be in the range 65 to 9999."));
    m_ui.lblLabel[3]->setCaption(tr("Degrees may only be in the range 0 to 359.9"));
    m_ui.lblLabel[4]->setCaption(tr("The grey square represents the Sitting Palace - the square "
                                    "directly opposite is the Facing Palace."));
}

void frmMain::Form_Unload()
{
    m_calc.reset();
    m_keystroke.reset();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void frmMain::keyPressEvent(QKeyEvent *event)
{
    // Enter that no control took presses the default button while it is enabled.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !event->modifiers().testFlag(Qt::AltModifier)) {
        if (m_ui.btnCalculate->isEnabled())
            m_ui.btnCalculate->click();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void frmMain::txtFacing_KeyPress(std::int16_t &KeyAscii)
{
    if (m_keystroke)
        KeyAscii = m_keystroke->Key(3, KeyAscii);
}

void frmMain::txtYear_KeyPress(std::int16_t &KeyAscii)
{
    if (m_keystroke)
        KeyAscii = m_keystroke->Key(2, KeyAscii);
}

void frmMain::txtFacing_Change()
{
    ValidateInput();
    ClearChart();
}

void frmMain::txtYear_Change()
{
    ValidateInput();
    ClearChart();
}

bool frmMain::inputsValid() const
{
    return isValidBearingText(m_ui.txtFacing->text().toStdString()) &&
           isValidYearText(m_ui.txtYear->text().toStdString());
}

bool frmMain::chartShown() const
{
    return !m_ui.lblTime[0]->Caption().isEmpty();
}

std::optional<report::ChartRequest> frmMain::shownRequest() const
{
    if (!chartShown())
        return std::nullopt;
    report::ChartRequest request;
    request.year = textToInteger(m_ui.txtYear->text().toStdString());
    request.facingText = m_ui.txtFacing->text();
    if (m_ui.chkDate->Value() != 0)
        request.annual = report::MonthOfYear{m_ui.dtDatePicker->Month(), m_ui.dtDatePicker->Year()};
    return request;
}

void frmMain::ValidateInput()
{
    m_ui.btnCalculate->setEnabled(inputsValid());
}

void frmMain::ClearChart()
{
    chartFromHouse(0);
    if (!chartShown())
        return;
    for (int i = 0; i < PalaceCount; ++i) {
        for (platform::Label *star : {m_ui.lblTime[i], m_ui.lblFacing[i], m_ui.lblMountain[i]}) {
            star->setCaption(QString());
            star->setToolTip(QString());
        }
        fillPalace(i, PalaceWhite);
    }
    emit chartChanged(std::nullopt);
}

void frmMain::ResetPalaces()
{
    for (int i = 0; i < PalaceCount; ++i)
        fillPalace(i, PalaceWhite);
}

void frmMain::btnCalculate_Click()
{
    // An access key clicks about 0.1 s after it is pressed, even if an edit has disabled
    // the button meanwhile: inputs that are not valid by then give nothing to calculate.
    if (!m_calc || !inputsValid())
        return;
    ResetPalaces();
    m_calc->setYear(textToInteger(m_ui.txtYear->text().toStdString()));
    m_calc->setDegrees(textToSingle(m_ui.txtFacing->text().toStdString()));

    const BuildingChart chart = buildChart(*m_calc);
    auto show = [](const std::array<platform::Label *, 9> &labels, const Stars &stars,
                   const QString &hint) {
        for (int i = 0; i < PalaceCount; ++i) {
            labels[i]->setCaption(QString::number(stars[i]));
            labels[i]->setToolTip(hint);
        }
    };
    show(m_ui.lblTime, chart.time, tr("Time Star"));
    show(m_ui.lblFacing, chart.facing, tr("Facing Star"));
    if (chart.greyPalace >= 0)
        fillPalace(chart.greyPalace, PalaceGrey);
    show(m_ui.lblMountain, chart.mountain, tr("Mountain Star"));

    chkDate_Click();
}

void frmMain::chkDate_Click()
{
    const bool on = m_ui.chkDate->Value() != 0;
    m_ui.dtDatePicker->setEnabled(on);
    for (platform::Label *annual : m_ui.lblAnnual)
        annual->setVisible(m_ui.dtDatePicker->isEnabled());
    if (on) {
        const Stars stars = annualStars(static_cast<std::int16_t>(m_ui.dtDatePicker->Year()),
                                        static_cast<std::int16_t>(m_ui.dtDatePicker->Month()));
        for (int i = 0; i < PalaceCount; ++i)
            m_ui.lblAnnual[i]->setCaption(QString::number(stars[i]));
    }
    emit chartChanged(shownRequest());
}

void frmMain::dtDatePicker_Change()
{
    chkDate_Click();
}

void frmMain::lblTime_Change(int)
{
    m_ui.btnPrint->setEnabled(chartShown());
}

void frmMain::btnPrint_Click()
{
    // As for Calculate: a delayed click after an edit cleared the chart prints nothing.
    if (!chartShown())
        return;
    PrintedChart chart;
    chart.year = m_ui.txtYear->text();
    chart.bearing = m_ui.txtFacing->text();
    for (int i = 0; i < PalaceCount; ++i) {
        chart.time[i] = m_ui.lblTime[i]->Caption();
        chart.facing[i] = m_ui.lblFacing[i]->Caption();
        chart.mountain[i] = m_ui.lblMountain[i]->Caption();
    }
    // Loading the form prints it and reports a failure itself; leaving scope unloads it.
    frmPrint form(std::move(chart), this, m_services.printer, m_services.msgBox);
    form.Form_Load();
}

void frmMain::mnuAboutAbout_Click()
{
    // Owned by the main window so that it shares its taskbar entry and centres on it.
    frmAbout dialog(m_services, this);
    dialog.exec();
}

void frmMain::mnuFileDetails_Click()
{
    // One window, following this one's chart; a second opening brings it to the front.
    if (!m_details) {
        m_details = new ChartDetails(this);
        connect(this, &frmMain::chartChanged, m_details, &ChartDetails::showChart);
    }
    m_details->showChart(shownRequest());
    m_details->show();
    m_details->raise();
    m_details->activateWindow();
}

void frmMain::mnuFileHouses_Click()
{
    // One window, like the details; it opens its file when it is first shown.
    if (!m_houses) {
        const auto shown = [this]() -> std::optional<std::pair<QString, QString>> {
            if (!chartShown())
                return std::nullopt;
            return std::pair{m_ui.txtYear->text(), m_ui.txtFacing->text()};
        };
        m_houses = new HouseRegister(m_services.databasePath, m_services.msgBox, shown, this);
        connect(m_houses, &HouseRegister::openHouse, this, &frmMain::openHouse);
        connect(m_houses, &HouseRegister::houseOpened, this, &frmMain::chartFromHouse);
    }
    m_houses->show();
    m_houses->raise();
    m_houses->activateWindow();
}

void frmMain::chartFromHouse(qint64 house)
{
    m_chartHouse = chartShown() ? house : 0;
    if (m_ui.mnuFileFloorPlan)
        m_ui.mnuFileFloorPlan->setEnabled(m_chartHouse != 0);
}

void frmMain::mnuFileFloorPlan_Click()
{
    if (m_houses && m_chartHouse)
        m_houses->showFloorPlan(m_chartHouse);
}

void frmMain::openHouse(const QString &year, const QString &facing)
{
    // Each box's change procedure runs as for typing: the old chart is cleared first.
    m_ui.txtYear->setText(year);
    m_ui.txtFacing->setText(facing);
    trap([this] { btnCalculate_Click(); });
}

void frmMain::Command1_Click()
{
    close();
}

void frmMain::mnuFileExit_Click()
{
    close();
}

} // namespace orrindel
