#include "chartlayout.h"

#include "engine/chart.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <string_view>

namespace orrindel {

using platform::ControlRow;
using platform::Kind;

std::vector<ControlRow> chartRows(ChartArray array, int gridLeft, int gridTop,
                                  const char *container, const platform::Style *style)
{
    static constexpr std::pair<const char *, Kind> controls[] = {
        {"lblAnnual", Kind::Label}, {"lblTime", Kind::Label},   {"lblMountain", Kind::Label},
        {"lblFacing", Kind::Label}, {"shpPalace", Kind::Shape},
    };
    const auto [name, kind] = controls[static_cast<int>(array)];
    const report::SquarePlace place = report::squarePlace(array);

    std::vector<ControlRow> rows(PalaceCount);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const int palace = GridPalaces[row][column];
            const QRect rect(gridLeft + report::SquareStepX * column + place.x,
                             gridTop + report::SquareStepY * row + place.y, place.width,
                             place.height);
            rows[palace] = {name, palace, kind, container, rect, "", style};
        }
    }
    return rows;
}

std::vector<ControlRow> directionRows(std::span<const CompassCaption, 8> places,
                                      const char *container, const platform::Style *style)
{
    std::vector<ControlRow> rows;
    for (int i = 0; i < int(places.size()); ++i)
        rows.push_back({"lblDirections", i, Kind::Label, container,
                        QRect(places[i].left, places[i].top, 375, 255), "", style});
    return rows;
}

void captionDirections(const platform::Controls &controls,
                       std::span<const CompassCaption, 8> places)
{
    std::array<QLabel *, 8> labels{};
    for (int i = 0; i < int(places.size()); ++i) {
        auto *label = controls.get<platform::Label>("lblDirections", i);
        label->setCaption(report::compassCode(places[i].palace));
        labels[i] = label;
    }
    shrinkToFit(labels);
}

void shrinkToFit(std::span<QLabel *const> labels)
{
    if (labels.empty())
        return;
    QFont font = labels.front()->font();
    const auto cut = [&font](const QLabel *label) {
        const QSize size = QFontMetrics(font).size(0, label->text());
        return size.width() > label->width() || size.height() > label->height();
    };
    while (font.pointSizeF() > 1.0 && std::any_of(labels.begin(), labels.end(), cut))
        font.setPointSizeF(font.pointSizeF() - 0.25);
    if (font == labels.front()->font())
        return;
    for (QLabel *label : labels)
        label->setFont(font);
}

} // namespace orrindel
