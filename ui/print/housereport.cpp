#include "housereport.h"

#include "engine/numerictext.h"
#include "engine/runtimeerror.h"
#include "engine/validation.h"
#include "report/phrases.h"
#include "report/readingreport.h"
#include "report/terms.h"
#include "searchablefont.h"
#include "ui/shared/chartlayout.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFont>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QSaveFile>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace orrindel {

class HouseReport
{
    Q_DECLARE_TR_FUNCTIONS(orrindel::HouseReport)
};

namespace {

using report::ChartReading;

constexpr qreal Margin = 36; // points
constexpr qreal Gap = 12;
// The chart grid's squares as the printed page places them, in twips (1/20 point), drawn a
// little smaller so that four grids and the text fit one page of either paper.
constexpr qreal PointsPerTwip = 0.72 / 20;
constexpr qreal CodeMargin = 11;
constexpr qreal GridWidth = 3 * 1440 * PointsPerTwip + 2 * CodeMargin;
constexpr qreal GridHeight = 3 * 1080 * PointsPerTwip + 2 * CodeMargin + 16;

// Letter where the locale's paper is Letter, A4 elsewhere.
QPageSize paperFor(const QLocale &locale)
{
    static constexpr QLocale::Territory LetterTerritories[] = {
        QLocale::UnitedStates,      QLocale::Canada,    QLocale::Mexico,   QLocale::PuertoRico,
        QLocale::Philippines,       QLocale::Chile,     QLocale::Colombia, QLocale::Venezuela,
        QLocale::CostaRica,         QLocale::Guatemala, QLocale::Panama,   QLocale::ElSalvador,
        QLocale::DominicanRepublic, QLocale::Nicaragua, QLocale::Belize,   QLocale::Bolivia,
    };
    const bool letter = std::find(std::begin(LetterTerritories), std::end(LetterTerritories),
                                  locale.territory()) != std::end(LetterTerritories);
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

// The report's fonts: a serif face for Latin letters and digits, the Chinese characters from
// a copy of the language's Noto CJK face whose text copies back as drawn.
struct Fonts
{
    QFont title, heading, text, small, star, code;
};

Fonts reportFonts()
{
    QString cjk = QStringLiteral("Noto Serif CJK SC");
    for (const QString &face : QFont::substitutes(QStringLiteral("Times New Roman")))
        if (face.contains(QLatin1String("CJK"), Qt::CaseInsensitive)) // Qt keeps them lower case
            cjk = face;
    // The printed page's face, or its stand-ins where a program installed none (the tool).
    const QStringList families = {platform::installedFamily(QStringLiteral("Times New Roman")),
                                  QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                                  QStringLiteral("DejaVu Serif"), searchableFamily(cjk)};
    const auto font = [&families](qreal points, bool bold) {
        QFont font;
        font.setFamilies(families);
        font.setPointSizeF(points);
        font.setBold(bold);
        return font;
    };
    return {font(20, true),   font(13, true), font(10.5, false),
            font(8.5, false), font(13, true), font(8, false)};
}

bool replacementApplies(const ChartReading &r)
{
    return r.lean.lean == Lean::Leaning || r.request.showReplacement;
}

// The named formations and castle gates of each chart on the page, a line each.
std::vector<QString> readingLines(const ChartReading &r)
{
    std::vector<QString> lines;
    const auto add = [&lines](const QString &title, const ChartReadings &readings) {
        for (const QString &line :
             report::formationLines(readings) + report::castleGateLines(readings))
            lines.push_back(title.isEmpty() ? line : HouseReport::tr("%1: %2").arg(title, line));
    };
    add(QString(), report::standardReadings(r));
    if (const std::optional<ChartReadings> replaced = report::replacementReadings(r);
        replaced && replacementApplies(r))
        add(report::replacementTitle(), *replaced);
    return lines;
}

// Draws the pages from the top down; y is where the next line goes. What does not fit below
// it goes to a new page.
class Page
{
public:
    Page(QPainter &painter, QPagedPaintDevice &device, const Fonts &fonts, QSizeF area)
        : m_p(painter), m_device(device), m_fonts(fonts), m_width(area.width()),
          m_bottom(area.height() - Margin)
    {
    }

    void title(const QString &text, const QString &below)
    {
        line(m_fonts.title, text);
        if (!below.isEmpty())
            line(m_fonts.heading, below);
        m_y += Gap / 2;
        m_p.drawLine(QPointF(Margin, m_y), QPointF(Margin + m_width, m_y));
        m_y += Gap;
    }

    void heading(const QString &text)
    {
        room(3 * Gap); // not alone at the foot of a page
        m_y += Gap / 3;
        line(m_fonts.heading, text);
    }

    // Captions in one column, their values beside them.
    void facts(const std::vector<std::pair<QString, QString>> &rows)
    {
        const QFontMetricsF metrics(m_fonts.text, m_p.device());
        qreal column = 0;
        for (const auto &row : rows)
            column = std::max(column, metrics.horizontalAdvance(row.first));
        column += Gap;
        m_p.setFont(m_fonts.text);
        for (const auto &[caption, value] : rows) {
            QRectF valueArea(Margin + column, m_y, m_width - column, 1000);
            const QRectF used = m_p.boundingRect(valueArea, Qt::TextWordWrap, value);
            room(used.height());
            valueArea.moveTop(m_y);
            m_p.drawText(QRectF(Margin, m_y, column, used.height()), caption);
            m_p.drawText(valueArea, Qt::TextWordWrap, value);
            m_y += std::max(used.height(), metrics.height()) + 2;
        }
    }

    // A paragraph of any length, line by line, onto as many pages as it takes.
    void note(const QString &text)
    {
        QString lines = text;
        lines.replace(QLatin1Char('\n'), QChar::LineSeparator);
        QTextLayout layout(lines, m_fonts.small, m_p.device());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(m_width);
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            room(line.height());
            line.draw(&m_p, QPointF(Margin, m_y - line.y()));
            m_y += line.height();
        }
        m_y += 4;
    }

    // A 3 x 3 grid with south at the top in the given column (0 or 1) of the current row;
    // each square shows the texts of its palace at the printed page's places.
    void grid(int column, const QString &title, int shaded,
              const std::vector<std::pair<ChartArray, Stars>> &stars)
    {
        if (column == 0)
            room(GridHeight);
        const QPointF origin(Margin + column * (GridWidth + Gap), m_y);
        m_p.setFont(m_fonts.text);
        m_p.drawText(origin + QPointF(0, 11), title);
        const QPointF squares = origin + QPointF(CodeMargin, 16 + CodeMargin);
        const auto rect = [&squares](const platform::ControlRow &row) {
            const QRectF r = QRectF(row.twips).adjusted(0, 0, -15, -15);
            return QRectF(squares + r.topLeft() * PointsPerTwip, r.size() * PointsPerTwip);
        };
        const auto palaces = chartRows(ChartArray::Palace, 0, 0, nullptr, nullptr);
        m_p.setPen(QPen(Qt::black, 0.75));
        for (int p = 0; p < PalaceCount; ++p) {
            m_p.setBrush(p == shaded ? QColor(0xE0, 0xE0, 0xE0) : QColor(Qt::white));
            m_p.drawRect(rect(palaces[p]));
        }
        // The compass codes outside the middle square of each side.
        m_p.setFont(m_fonts.code);
        for (const auto &[r, c] : {std::pair{0, 1}, {2, 1}, {1, 0}, {1, 2}}) {
            const int palace = GridPalaces[r][c];
            const QRectF s = rect(palaces[palace]);
            const QRectF place =
                r == 0   ? QRectF(s.left(), s.top() - CodeMargin, s.width(), CodeMargin)
                : r == 2 ? QRectF(s.left(), s.bottom(), s.width(), CodeMargin)
                : c == 0 ? QRectF(s.left() - CodeMargin, s.top(), CodeMargin, s.height())
                         : QRectF(s.right(), s.top(), CodeMargin, s.height());
            m_p.drawText(place, Qt::AlignCenter, report::compassCode(palace));
        }
        m_p.setFont(m_fonts.star);
        for (const auto &[array, values] : stars) {
            const auto rows = chartRows(array, 0, 0, nullptr, nullptr);
            for (int p = 0; p < PalaceCount; ++p) {
                const QRectF area = array == ChartArray::Palace ? rect(palaces[p]) : rect(rows[p]);
                m_p.drawText(area, Qt::AlignCenter, QString::number(values[p]));
            }
        }
    }

    void endGridRow() { m_y += GridHeight + Gap; }
    qreal y() const { return m_y; }
    void setY(qreal y) { m_y = y; }

private:
    void line(const QFont &font, const QString &text)
    {
        m_p.setFont(font);
        const QRectF area(Margin, m_y, m_width, 1000);
        const QRectF used = m_p.boundingRect(area, Qt::TextWordWrap, text);
        m_p.drawText(area, Qt::TextWordWrap, text);
        m_y += used.height() + 2;
    }

    void room(qreal height)
    {
        if (m_y + height <= m_bottom || m_y <= Margin)
            return;
        m_device.newPage();
        m_y = Margin;
    }

    QPainter &m_p;
    QPagedPaintDevice &m_device;
    const Fonts &m_fonts;
    qreal m_width;
    qreal m_bottom;
    qreal m_y = Margin;
};

ChartReading readHouse(const store::House &house, const report::MonthOfYear &month)
{
    if (!isValidYearText(house.year.toStdString()) ||
        !isValidBearingText(house.facing.toStdString()))
        throw RuntimeError(RuntimeError::InvalidProcedureCall, "Invalid procedure call or argument",
                           HouseReport::tr("The house's year %1 or bearing %2 gives no chart.")
                               .arg(house.year, house.facing)
                               .toStdString());
    report::ChartRequest request;
    request.year = textToInteger(house.year.toStdString());
    request.facingText = house.facing;
    request.annual = month;
    return report::readChart(request);
}

// A one-line field cut short where a page could not hold it.
QString clipped(const QString &text)
{
    constexpr qsizetype Longest = 300;
    return text.size() <= Longest ? text : text.left(Longest) + QChar(0x2026);
}

void drawReport(QPainter &painter, QPagedPaintDevice &device, const store::House &house,
                const ChartReading &r)
{
    const Fonts fonts = reportFonts();
    const QSizeF paper = device.pageLayout().paintRect(QPageLayout::Point).size();
    Page page(painter, device, fonts, QSizeF(paper.width() - 2 * Margin, paper.height()));
    page.title(HouseReport::tr("Flying Star Report"),
               clipped(house.label.isEmpty() ? house.client
                                             : house.client + QStringLiteral(" · ") + house.label));

    page.heading(HouseReport::tr("The house"));
    page.facts({
        {HouseReport::tr("Client:"), clipped(house.client)},
        {HouseReport::tr("Label or address:"), clipped(house.label)},
        {HouseReport::tr("Measured on:"), house.measured.toString(Qt::ISODate)},
        {HouseReport::tr("Year of construction:"), house.year},
        {HouseReport::tr("Facing degree:"), house.facing},
        {HouseReport::tr("Mountains:"), report::mountainsPhrase(r.mountains)},
    });

    // What the practitioner noted belongs with the house; long notes push the chart on.
    if (!house.notes.isEmpty()) {
        page.heading(HouseReport::tr("Notes"));
        page.note(house.notes);
    }

    page.heading(HouseReport::tr("The chart"));
    std::vector<std::pair<QString, QString>> chart = {
        {HouseReport::tr("Period:"), QString::number(r.chart.period)},
        {HouseReport::tr("Formation:"), report::formationPhrase(r.formation)},
        {HouseReport::tr("Lean:"), report::leanPhrase(r)},
    };
    if (replacementApplies(r))
        chart.push_back({HouseReport::tr("Replacement formation:"),
                         report::formationPhrase(r.replacement.formation)});
    page.facts(chart);
    if (const std::vector<QString> readings = readingLines(r); !readings.empty()) {
        page.heading(HouseReport::tr("Readings"));
        for (const QString &reading : readings)
            page.note(reading);
    }

    page.heading(HouseReport::tr("The stars"));
    page.grid(0, HouseReport::tr("Standard chart (下卦)"), r.chart.greyPalace,
              {{ChartArray::Mountain, r.chart.mountain},
               {ChartArray::Facing, r.chart.facing},
               {ChartArray::Time, r.chart.time}});
    if (replacementApplies(r))
        page.grid(1, HouseReport::tr("Replacement chart (替卦)"), r.chart.greyPalace,
                  {{ChartArray::Mountain, r.replacement.mountain},
                   {ChartArray::Facing, r.replacement.facing},
                   {ChartArray::Time, r.chart.time}});
    page.endGridRow();
    const report::MonthStars &m = *r.month;
    const QString month =
        QStringLiteral("%1/%2").arg(m.month.month, 2, 10, QLatin1Char('0')).arg(m.month.year);
    page.grid(0, HouseReport::tr("Annual stars, %1").arg(month), -1,
              {{ChartArray::Palace, m.annual}});
    page.grid(1,
              HouseReport::tr("Monthly stars, solar month %1 (%2)")
                  .arg(QString::fromUtf8(m.solar.branch), report::solarTermName(m.solar.term)),
              -1, {{ChartArray::Palace, m.monthly}});
    page.endGridRow();
    page.note(HouseReport::tr("South is at the top of every grid. In each square of a chart the "
                              "mountain star is on the left, the facing star on the right and "
                              "the time star below; the shaded square is the sitting palace.") +
              QLatin1Char(' ') +
              HouseReport::tr("Solar month %1 runs from %2 to %3.")
                  .arg(QString::fromUtf8(m.solar.branch), report::localTime(m.solar.start),
                       report::localTime(m.solar.end)));
}

} // namespace

void writeHouseReport(const store::House &house, const std::optional<report::MonthOfYear> &month,
                      const QString &pdfPath)
{
    const QDate today = QDate::currentDate();
    const ChartReading reading =
        readHouse(house, month.value_or(report::MonthOfYear{today.month(), today.year()}));

    const auto fail = [&pdfPath](const QString &reason) {
        return RuntimeError(RuntimeError::PathFileAccessError, "Path/File access error",
                            HouseReport::tr("Cannot write the report %1: %2")
                                .arg(QDir::toNativeSeparators(pdfPath), reason)
                                .toStdString());
    };
    // Written aside and put in place whole: a failed report never leaves half a file.
    QSaveFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly))
        throw fail(file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setPageSize(paperFor(QLocale()));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(72); // one unit a point
        writer.setTitle(HouseReport::tr("Flying Star Report: %1").arg(house.client));
        writer.setCreator(QCoreApplication::applicationName());
        QPainter painter;
        if (!painter.begin(&writer))
            throw fail(HouseReport::tr("the PDF cannot be started"));
        drawReport(painter, writer, house, reading);
        painter.end();
    }
    if (!file.commit())
        throw fail(file.errorString());
}

} // namespace orrindel
