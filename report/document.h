#pragma once

#include "engine/chart.h"
#include "gridplaces.h"

#include <QString>
#include <QStringList>

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

// A table across the page: its header row, then rows of cells that wrap within their columns.
// A row is never split; where the rows run on to a new page the header row comes again.
struct Table
{
    std::vector<double> widths; // each column's share of the page's width
    QStringList header;
    std::vector<QStringList> rows;
};

// A section is kept on one page where a page holds it: its facts, its paragraphs, its grids side
// by side (smaller where the page is too narrow for them), its table, then its closing note.
struct Section
{
    QString heading;
    std::vector<Fact> facts;
    QStringList paragraphs;
    std::vector<StarGrid> grids;
    QString note;
    Table table = {};
};

struct Document
{
    QString title;    // the document's own title, also its PDF title
    QString heading;  // the first line, large
    QString subtitle; // the line under it
    std::vector<Section> sections;
};

} // namespace orrindel::report
