#pragma once

#include "engine/chart.h"
#include "engine/palacereading.h"
#include "engine/plan.h"
#include "gridplaces.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <utility>
#include <vector>

// A document as content alone: sections of captioned values, paragraphs and star grids, for a
// renderer to lay out on pages.
namespace orrindel::report {

// A caption and its value beside it, on one baseline.
struct Fact
{
    QString caption;
    QString value;
};

// A 3 x 3 grid with south at the top; each figure's stars at the squares' places.
struct StarGrid
{
    QString title;
    int shaded = -1; // the palace drawn grey, or none
    std::vector<std::pair<ChartArray, Stars>> stars;
};

// What a plan's overlay writes in each palace, by palace index: the chart's stars, and when
// known the annual and monthly stars of a month and each palace's tone.
struct PlanStars
{
    Stars time{};
    Stars mountain{};
    Stars facing{};
    std::optional<Stars> annual;
    std::optional<Stars> monthly;
    std::optional<std::array<Tone, PalaceCount>> tones;
    int facingPalace = 0;
};

// A floor's plan as kept: its file (an image, or a PDF and the page shown), what was traced on
// it and what that reads, drawn at the file's own resolution with the overlay above it.
struct PlanFigure
{
    QByteArray file;
    int page = 1;
    PlanInput input;
    PlanReading reading;
    std::optional<PlanStars> stars;
    bool grid = false; // the 3 x 3 grid rather than the eight wedges
};

// Rows of cells under a header row, each column as wide as its widest cell.
struct Table
{
    QStringList header;
    std::vector<QStringList> rows;
};

// A section is kept on one page where a page holds it: its facts, its paragraphs, its grids two
// to a row, its plan scaled to what is left of the page, its table, then its closing note.
struct Section
{
    QString heading;
    std::vector<Fact> facts;
    QStringList paragraphs;
    std::vector<StarGrid> grids;
    QString note;
    std::optional<PlanFigure> plan;
    Table table;
};

struct Document
{
    QString title;    // the document's own title, also its PDF title
    QString heading;  // the first line, large
    QString subtitle; // the line under it
    std::vector<Section> sections;
};

} // namespace orrindel::report
