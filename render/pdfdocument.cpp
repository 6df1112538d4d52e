#include "pdfdocument.h"

#include "plan/planimage.h"
#include "planoverlay.h"
#include "report/terms.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QTextLayout>

#include <algorithm>
#include <functional>
#include <memory>

namespace orrindel::render {

namespace {

using report::ChartArray;

constexpr qreal Margin = 36; // points
constexpr qreal Gap = 12;
// The chart grid's squares as the printed chart places them, drawn smaller so that four
// grids and the text of a leaning house fit one page of either paper.
constexpr qreal PointsPerTwip = 0.03;
constexpr qreal CodeMargin = 11;
constexpr qreal GridTitle = 16;
constexpr qreal GridWidth = 3 * report::SquareStepX * PointsPerTwip + 2 * CodeMargin;
constexpr qreal GridHeight = 3 * report::SquareStepY * PointsPerTwip + 2 * CodeMargin + GridTitle;

// A style's fixed pitch, and where its baseline sits below the top of a line, in ems of its
// size: the same for every line of the style whatever faces its characters come from, so that
// a line of Chinese is no taller than one of Latin letters and a caption and its value share
// a baseline.
struct Pitch
{
    qreal ascent = 0;
    qreal height = 0;
};

Pitch pitchOf(const QFont &font)
{
    return {0.95 * font.pointSizeF(), 1.3 * font.pointSizeF()};
}

// A text laid out in lines of a width, drawn line by line on its style's baselines.
class Text
{
public:
    Text(const QString &text, const QFont &font, qreal width, QPaintDevice *device)
        : m_layout(QString(text).replace(QLatin1Char('\n'), QChar::LineSeparator), font, device),
          m_pitch(pitchOf(font))
    {
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        m_layout.setTextOption(option);
        m_layout.beginLayout();
        for (QTextLine line = m_layout.createLine(); line.isValid(); line = m_layout.createLine())
            line.setLineWidth(width);
        m_layout.endLayout();
    }
    int lines() const { return m_layout.lineCount(); }
    qreal width() const
    {
        qreal widest = 0;
        for (int i = 0; i < lines(); ++i)
            widest = std::max(widest, m_layout.lineAt(i).naturalTextWidth());
        return widest;
    }
    qreal pitch() const { return m_pitch.height; }
    qreal height() const { return std::max(1, lines()) * m_pitch.height; }
    // Line i with the top of its pitch at y.
    void drawLine(QPainter &p, int i, QPointF at) const
    {
        const QTextLine line = m_layout.lineAt(i);
        line.draw(&p, at + QPointF(0, m_pitch.ascent - line.ascent() - line.y()));
    }
    void draw(QPainter &p, QPointF at) const
    {
        for (int i = 0; i < lines(); ++i)
            drawLine(p, i, at + QPointF(0, i * m_pitch.height));
    }

private:
    QTextLayout m_layout;
    Pitch m_pitch;
};

// Something drawn across the page at a height, never split: a line, a row, a row of grids. A
// table's header row comes again above its rows on each new page.
struct Piece
{
    enum class Kind { Plain, TableHeader, TableRow };
    qreal height;
    std::function<void(QPainter &, qreal y)> draw;
    Kind kind = Kind::Plain;
};

constexpr qreal CellPadding = 2.5;

class Renderer
{
public:
    Renderer(QPainter &painter, QPdfWriter &writer, const Fonts &fonts)
        : m_p(painter), m_writer(writer), m_fonts(fonts), m_width(writer.width() - 2 * Margin),
          m_bottom(writer.height() - Margin)
    {
    }

    void title(const report::Document &d)
    {
        std::vector<Piece> pieces{text(d.heading, m_fonts.heading, 0, m_width, 2)};
        if (!d.subtitle.isEmpty())
            pieces.push_back(text(d.subtitle, m_fonts.subtitle, 0, m_width, 2));
        pieces.push_back({Gap, [this](QPainter &p, qreal y) {
                              p.drawLine(QPointF(Margin, y + Gap / 3),
                                         QPointF(Margin + m_width, y + Gap / 3));
                          }});
        place(pieces);
    }

    void section(const report::Section &s)
    {
        std::vector<Piece> pieces;
        if (!s.heading.isEmpty())
            pieces.push_back(text(s.heading, m_fonts.sectionHeading, 0, m_width, 2, Gap / 3));
        facts(s.facts, pieces);
        for (const QString &paragraph : s.paragraphs)
            lines(paragraph, m_fonts.small, pieces, 2);
        if (!s.grids.empty())
            pieces.push_back(gridRow(s.grids));
        // The table is laid out first, so that the plan takes what the page leaves.
        std::vector<Piece> tablePieces;
        table(s.table, tablePieces);
        if (s.plan) {
            qreal others = 0;
            for (const Piece &piece : pieces)
                others += piece.height;
            for (const Piece &piece : tablePieces)
                others += piece.height;
            pieces.push_back(figure(*s.plan, m_bottom - Margin - others));
        }
        pieces.insert(pieces.end(), tablePieces.begin(), tablePieces.end());
        if (!s.note.isEmpty())
            lines(s.note, m_fonts.small, pieces, 2);
        place(pieces);
    }

private:
    // One text, unbroken, as a piece: a heading or a title line.
    Piece text(const QString &s, const QFont &font, qreal x, qreal width, qreal after,
               qreal before = 0)
    {
        auto laid = std::make_shared<Text>(s, font, width, &m_writer);
        return {before + laid->height() + after, [laid, x, before](QPainter &p, qreal y) {
                    laid->draw(p, QPointF(Margin + x, y + before));
                }};
    }

    // A paragraph a piece a line, so that one longer than a page runs on.
    void lines(const QString &s, const QFont &font, std::vector<Piece> &pieces, qreal after)
    {
        auto laid = std::make_shared<Text>(s, font, m_width, &m_writer);
        for (int i = 0; i < laid->lines(); ++i)
            pieces.push_back(
                {laid->pitch() + (i + 1 == laid->lines() ? after : 0),
                 [laid, i](QPainter &p, qreal y) { laid->drawLine(p, i, QPointF(Margin, y)); }});
    }

    // Captions in one column, each value beside its caption on the caption's baseline.
    void facts(const std::vector<report::Fact> &rows, std::vector<Piece> &pieces)
    {
        qreal column = 0;
        for (const report::Fact &row : rows)
            column = std::max(column, Text(row.caption, m_fonts.text, 1e6, &m_writer).width());
        column += Gap;
        for (const report::Fact &row : rows) {
            auto caption = std::make_shared<Text>(row.caption, m_fonts.text, column, &m_writer);
            auto value =
                std::make_shared<Text>(row.value, m_fonts.text, m_width - column, &m_writer);
            pieces.push_back({std::max(caption->height(), value->height()) + 1,
                              [caption, value, column](QPainter &p, qreal y) {
                                  caption->draw(p, QPointF(Margin, y));
                                  value->draw(p, QPointF(Margin + column, y));
                              }});
        }
    }

    // The plan at its own resolution, scaled to the width and the height left to it, with the
    // overlay drawn above it as vectors in the plan's pixels.
    Piece figure(const report::PlanFigure &f, qreal room)
    {
        const QImage image = plan::renderPlan(plan::checkPlan(f.file, f.page));
        auto options = std::make_shared<OverlayOptions>();
        options->grid = f.grid;
        options->font = m_fonts.text;
        // The ring may reach past the plan: the whole of it fits.
        const QRectF bounds = overlayBounds(image.size(), f.input, f.reading, *options);
        const qreal scale =
            std::min(m_width / bounds.width(), std::max(room - Gap, 72.0) / bounds.height());
        const QSizeF size = bounds.size() * scale;
        return {size.height() + Gap,
                [this, image, f, scale, size, bounds, options](QPainter &p, qreal y) {
                    p.save();
                    p.translate(Margin + (m_width - size.width()) / 2, y);
                    p.scale(scale, scale);
                    p.translate(-bounds.topLeft());
                    p.drawImage(QPointF(0, 0), image);
                    if (!f.input.outline.empty())
                        drawPlanOverlay(p, image.size(), f.input, f.reading, f.stars, *options);
                    p.restore();
                }};
    }

    void table(const report::Table &t, std::vector<Piece> &pieces)
    {
        if (t.header.isEmpty())
            return;
        QFont bold = m_fonts.table;
        bold.setBold(true);
        pieces.push_back(tableRow(t.widths, t.header, bold, Piece::Kind::TableHeader));
        for (const QStringList &cells : t.rows)
            pieces.push_back(tableRow(t.widths, cells, m_fonts.table, Piece::Kind::TableRow));
        pieces.push_back({Gap, [](QPainter &, qreal) {}});
    }

    // A row of cells, each wrapped in its column and ruled round; as tall as its tallest cell.
    Piece tableRow(const std::vector<double> &widths, const QStringList &cells, const QFont &font,
                   Piece::Kind kind)
    {
        std::vector<std::shared_ptr<Text>> laid;
        std::vector<qreal> columns;
        qreal height = 0;
        for (qsizetype i = 0; i < cells.size() && i < qsizetype(widths.size()); ++i) {
            columns.push_back(widths[std::size_t(i)] * m_width);
            laid.push_back(std::make_shared<Text>(cells[i], font, columns.back() - 2 * CellPadding,
                                                  &m_writer));
            height = std::max(height, laid.back()->height() + 2 * CellPadding);
        }
        return {height,
                [laid, columns, height](QPainter &p, qreal y) {
                    qreal x = Margin;
                    p.setPen(QPen(Qt::black, 0.5));
                    p.setBrush(Qt::NoBrush);
                    for (std::size_t i = 0; i < laid.size(); ++i) {
                        p.drawRect(QRectF(x, y, columns[i], height));
                        laid[i]->draw(p, QPointF(x + CellPadding, y + CellPadding));
                        x += columns[i];
                    }
                },
                kind};
    }

    // The grids side by side, drawn smaller where the page is too narrow for them.
    Piece gridRow(const std::vector<report::StarGrid> &grids)
    {
        const auto count = qreal(grids.size());
        const qreal scale = std::min<qreal>(1, (m_width - (count - 1) * Gap) / (count * GridWidth));
        return {scale * GridHeight + Gap, [this, grids, scale](QPainter &p, qreal y) {
                    for (std::size_t i = 0; i < grids.size(); ++i) {
                        p.save();
                        p.translate(Margin + qreal(i) * (scale * GridWidth + Gap), y);
                        p.scale(scale, scale);
                        grid(p, QPointF(0, 0), grids[i]);
                        p.restore();
                    }
                }};
    }

    // A 3 x 3 grid with south at the top; each square shows the stars of its palace at the
    // printed chart's places, the compass codes outside the middle square of each side.
    void grid(QPainter &p, QPointF origin, const report::StarGrid &g)
    {
        Text(g.title, m_fonts.text, 1e6, &m_writer).draw(p, origin);
        const QPointF squares = origin + QPointF(CodeMargin, GridTitle + CodeMargin);
        const auto rect = [&squares](int palace, ChartArray array) {
            const report::SquarePlace place = report::squarePlace(array);
            for (int row = 0; row < 3; ++row)
                for (int column = 0; column < 3; ++column)
                    if (GridPalaces[row][column] == palace) {
                        const QRectF r(column * report::SquareStepX + place.x,
                                       row * report::SquareStepY + place.y, place.width - 15,
                                       place.height - 15);
                        return QRectF(squares + r.topLeft() * PointsPerTwip,
                                      r.size() * PointsPerTwip);
                    }
            return QRectF();
        };
        p.setPen(QPen(Qt::black, 0.75));
        for (int palace = 0; palace < PalaceCount; ++palace) {
            p.setBrush(palace == g.shaded ? QColor(0xE0, 0xE0, 0xE0) : QColor(Qt::white));
            p.drawRect(rect(palace, ChartArray::Palace));
        }
        p.setFont(m_fonts.code);
        for (const auto &[r, c] : {std::pair{0, 1}, {2, 1}, {1, 0}, {1, 2}}) {
            const int palace = GridPalaces[r][c];
            const QRectF s = rect(palace, ChartArray::Palace);
            const QRectF place =
                r == 0   ? QRectF(s.left(), s.top() - CodeMargin, s.width(), CodeMargin)
                : r == 2 ? QRectF(s.left(), s.bottom(), s.width(), CodeMargin)
                : c == 0 ? QRectF(s.left() - CodeMargin, s.top(), CodeMargin, s.height())
                         : QRectF(s.right(), s.top(), CodeMargin, s.height());
            p.drawText(place, Qt::AlignCenter, report::compassCode(palace));
        }
        p.setFont(m_fonts.star);
        for (const auto &[array, values] : g.stars)
            for (int palace = 0; palace < PalaceCount; ++palace)
                p.drawText(rect(palace, array), Qt::AlignCenter, QString::number(values[palace]));
    }

    // The pieces of one section: on this page if they fit, else on the next; a section longer
    // than a page runs on between its pieces, its heading never last on a page.
    void place(const std::vector<Piece> &pieces)
    {
        qreal height = 0;
        for (const Piece &piece : pieces)
            height += piece.height;
        if (m_y + height > m_bottom && m_y > Margin && height <= m_bottom - Margin)
            newPage();
        const Piece *header = nullptr;
        for (size_t i = 0; i < pieces.size(); ++i) {
            const Piece::Kind kind = pieces[i].kind;
            header = kind == Piece::Kind::TableHeader ? &pieces[i]
                     : kind == Piece::Kind::TableRow  ? header
                                                      : nullptr;
            // A heading or a table's header row goes with what follows it.
            const bool leads =
                (i == 0 || kind == Piece::Kind::TableHeader) && i + 1 < pieces.size();
            const qreal keep = pieces[i].height + (leads ? pieces[i + 1].height : 0);
            if (m_y + keep > m_bottom && m_y > Margin) {
                newPage();
                if (kind == Piece::Kind::TableRow && header) {
                    header->draw(m_p, m_y);
                    m_y += header->height;
                }
            }
            pieces[i].draw(m_p, m_y);
            m_y += pieces[i].height;
        }
    }

    void newPage()
    {
        m_writer.newPage();
        m_y = Margin;
    }

    QPainter &m_p;
    QPdfWriter &m_writer;
    const Fonts &m_fonts;
    qreal m_width;
    qreal m_bottom;
    qreal m_y = Margin;
};

} // namespace

bool writePdf(const report::Document &document, const Fonts &fonts, const QPageSize &paper,
              QIODevice &device)
{
    QPdfWriter writer(&device);
    writer.setPageSize(paper);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(72); // one unit a point
    writer.setTitle(document.title);
    writer.setCreator(QCoreApplication::applicationName());
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    Renderer renderer(painter, writer, fonts);
    renderer.title(document);
    for (const report::Section &section : document.sections)
        renderer.section(section);
    return painter.end();
}

} // namespace orrindel::render
