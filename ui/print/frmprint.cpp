#include "frmprint.h"

#include "engine/chart.h"
#include "engine/runtimeerror.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "ui/shared/chartlayout.h"

#include <QPalette>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace orrindel {

namespace {

using platform::ControlRow;
using platform::Kind;
using platform::Style;

constexpr unsigned White = 0xFFFFFF;
constexpr int Black = 0x000000;

constexpr Style textStyle(double pointSize, Qt::Alignment alignment)
{
    return {.family = "Times New Roman",
            .pointSize = pointSize,
            .bold = true,
            .alignment = alignment | Qt::AlignTop,
            .textColour = Black,
            .transparent = true,
            .wordWrap = false};
}
constexpr Style ValueStyle = textStyle(12.0, Qt::AlignRight);
constexpr Style CaptionStyle = textStyle(12.0, Qt::AlignLeft);
constexpr Style TitleStyle = textStyle(24.0, Qt::AlignLeft);
constexpr Style DirectionStyle = textStyle(9.75, Qt::AlignHCenter);
constexpr Style StarStyle = textStyle(15.75, Qt::AlignHCenter);

// The grid's top-left corner on the page; the squares follow the main window's grid.
constexpr int GridLeft = 3630;
constexpr int GridTop = 2775;

constexpr CompassCaption Directions[] = {
    {South, 5640, 2400}, {SouthWest, 8040, 2400},
    {West, 8040, 4200},  {NorthWest, 8040, 6120},
    {North, 5640, 6120}, {NorthEast, 3120, 6120},
    {East, 3120, 4200},  {SouthEast, 3120, 2400},
};

// The whole page, topmost control first. The two caption labels swap their indices
// relative to the main window: here 0 is the year and 1 the bearing.
std::vector<ControlRow> pageLayout()
{
    // clang-format off
    std::vector<ControlRow> table = {
        {"lblFacingDegree", -1, Kind::Label, nullptr, {6600, 7440, 615, 375}, "", &ValueStyle},
        {"lblYear", -1, Kind::Label, nullptr, {6600, 7080, 615, 375}, "", &ValueStyle},
        {"lblLabel", 1, Kind::Label, nullptr, {4320, 7440, 1695, 375}, QT_TRANSLATE_NOOP("orrindel::frmPrint", "Facing Degree:"),
         &CaptionStyle},
        {"lblLabel", 0, Kind::Label, nullptr, {4320, 7080, 2175, 375}, QT_TRANSLATE_NOOP("orrindel::frmPrint", "Year of Construction:"),
         &CaptionStyle},
        {"lblTitle", -1, Kind::Label, nullptr, {2760, 720, 6225, 660}, QT_TRANSLATE_NOOP("orrindel::frmPrint", "Xuan Kong Feng Shui Chart"),
         &TitleStyle},
    };
    // clang-format on
    const auto directions = directionRows(Directions, nullptr, &DirectionStyle);
    table.insert(table.end(), directions.begin(), directions.end());
    for (const ChartArray array :
         {ChartArray::Time, ChartArray::Mountain, ChartArray::Facing, ChartArray::Palace}) {
        const auto rows = chartRows(array, GridLeft, GridTop, nullptr,
                                    array == ChartArray::Palace ? nullptr : &StarStyle);
        table.insert(table.end(), rows.begin(), rows.end());
    }
    table.push_back({"Shape1", -1, Kind::Shape, nullptr, {3000, 2160, 5535, 4455}, "", nullptr});
    return table;
}

// The page is black on white whatever the desktop's palette: every role its controls draw
// with is fixed.
QPalette pagePalette()
{
    const QColor black = platform::fromBgr(unsigned(Black));
    const QColor white = platform::fromBgr(White);
    QPalette page(black, white, white, black, black, black, white, white, white);
    for (const auto role : {QPalette::ButtonText, QPalette::PlaceholderText, QPalette::Shadow})
        page.setColor(role, black);
    page.setColor(QPalette::AlternateBase, white);
    return page;
}

// Names for a screen reader, should one ever look at the page: what each label is, and for
// a star its kind and the direction of its palace.
void nameForReaders(const platform::Controls &controls)
{
    controls.at("lblTitle")->setAccessibleName(frmPrint::tr("Title"));
    controls.at("lblYear")->setAccessibleName(frmPrint::tr("Year of construction"));
    controls.at("lblFacingDegree")->setAccessibleName(frmPrint::tr("Facing degree"));
    for (const auto &[array, kind] :
         {std::pair{"lblTime", frmPrint::tr("Time star, %1")},
          std::pair{"lblFacing", frmPrint::tr("Facing star, %1")},
          std::pair{"lblMountain", frmPrint::tr("Mountain star, %1")}}) {
        for (int i = 0; i < PalaceCount; ++i)
            controls.at(array, i)->setAccessibleName(kind.arg(palaceName(i)));
    }
}

} // namespace

frmPrint::frmPrint(PrintedChart chart, QWidget *owner, platform::Printer &printer,
                   platform::MsgBox &msgBox)
    : m_chart(std::move(chart)), m_owner(owner), m_printer(printer), m_msgBox(msgBox)
{
    setObjectName(QStringLiteral("frmPrint"));
    // Exists only to be printed: even an accidental show() stays off screen.
    setAttribute(Qt::WA_DontShowOnScreen);
    setFixedSize(platform::twipsRect(0, 0, 9510, 8055).size());
    // Before the controls, which take it over.
    setPalette(pagePalette());
    setAutoFillBackground(true);

    const std::vector<ControlRow> table = pageLayout();
    m_controls = platform::buildControls(*this, table);
    m_controls.get<platform::Shape>("Shape1")->setFilled(false);
    // The captions may run on into the space before the values beside them.
    for (const int i : {0, 1})
        platform::growToText(label("lblLabel", i), label("lblYear").x() - 1);
    // Chinese characters stand taller than the Latin letters the title was drawn for.
    platform::Label &title = label("lblTitle");
    title.resize(title.width(), std::max(title.height(), title.sizeHint().height()));
    captionDirections(m_controls, Directions);
    nameForReaders(m_controls);
}

platform::Label &frmPrint::label(const char *name, int index) const
{
    auto *control = m_controls.get<platform::Label>(name, index);
    Q_ASSERT_X(control, "frmPrint::label", name);
    return *control;
}

void frmPrint::Form_Load()
{
    try {
        label("lblYear").setCaption(m_chart.year);
        label("lblFacingDegree").setCaption(m_chart.bearing);
        for (int i = 0; i < PalaceCount; ++i) {
            label("lblTime", i).setCaption(m_chart.time[i]);
            label("lblFacing", i).setCaption(m_chart.facing[i]);
            label("lblMountain", i).setCaption(m_chart.mountain[i]);
        }
        m_printer.PrintForm(*this);
    } catch (const RuntimeError &error) {
        m_msgBox.show(m_owner,
                      tr("Cannot print: please check printer is ready and try again."),
                      platform::vbCritical, tr("Can't Print Chart"),
                      QString::fromStdString(error.detail()));
    }
}

} // namespace orrindel
