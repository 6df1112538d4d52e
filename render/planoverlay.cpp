#include "planoverlay.h"

#include "engine/mountains.h"
#include "housereport.h"
#include "plan/planimage.h"
#include "report/terms.h"
#include "store/storeerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orrindel {

class PlanPicture
{
    Q_DECLARE_TR_FUNCTIONS(orrindel::PlanPicture)
};

namespace render {

namespace {

// Fixed colours: the overlay is read over any drawing, on any desktop.
const QColor Ink(0, 0, 0);
const QColor Halo(255, 255, 255, 215);
const QColor OutlineInk(170, 20, 20);
const QColor FrontInk(230, 110, 0);
const QColor LineInk(20, 60, 170);
const QColor RoomInk(0, 110, 60);
const QColor HatchInk(120, 120, 120);
const QColor ToneInk[] = {QColor(0, 140, 60), QColor(210, 150, 0), QColor(200, 30, 30)};

QPointF at(PlanPoint p)
{
    return {p.x, p.y};
}

QPolygonF polygonOf(const PlanPolygon &points)
{
    QPolygonF polygon;
    polygon.reserve(qsizetype(points.size()));
    for (const PlanPoint &p : points)
        polygon << at(p);
    return polygon;
}

// The unit vector on the image of a direction drawn at an angle clockwise from its up.
QPointF towards(double degrees)
{
    const double r = degrees * std::numbers::pi / 180.0;
    return {std::sin(r), -std::cos(r)};
}

// The area centroid of a polygon, or its first point's average when it has no area.
QPointF centroidOf(const QPolygonF &polygon)
{
    double twice = 0, cx = 0, cy = 0;
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const QPointF a = polygon[i];
        const QPointF b = polygon[(i + 1) % polygon.size()];
        const double cross = a.x() * b.y() - b.x() * a.y();
        twice += cross;
        cx += (a.x() + b.x()) * cross;
        cy += (a.y() + b.y()) * cross;
    }
    if (std::abs(twice) < 1e-9) {
        QPointF sum;
        for (const QPointF &p : polygon)
            sum += p;
        return polygon.isEmpty() ? sum : sum / double(polygon.size());
    }
    return {cx / (3 * twice), cy / (3 * twice)};
}

// The overlay's one drawing pass: sizes taken once from the image.
class Overlay
{
public:
    Overlay(QPainter &p, QSizeF size, const PlanInput &input, const PlanReading &reading,
            const OverlayOptions &options)
        : m_p(p), m_input(input), m_reading(reading), m_options(options),
          m_unit(std::max(1.0, std::max(size.width(), size.height()) / 800.0)),
          m_centre(at(reading.centre.point))
    {
        // The ring clears the outline and every room.
        double reach = 0;
        const auto extend = [&](const PlanPolygon &points) {
            for (const PlanPoint &q : points)
                reach = std::max(reach, std::hypot(q.x - m_centre.x(), q.y - m_centre.y()));
        };
        extend(input.outline);
        for (const NamedPolygon &room : input.rooms)
            extend(room.points);
        m_ring = reach + 6 * m_unit;
    }

    void outline()
    {
        const QPolygonF outline = polygonOf(m_input.outline);
        stroke(outline, OutlineInk, 2.5, Qt::SolidLine, true);
        if (outline.size() < 2)
            return;
        const QPointF a = outline[m_input.front % outline.size()];
        const QPointF b = outline[(m_input.front + 1) % outline.size()];
        m_p.setPen(pen(FrontInk, 6));
        m_p.drawLine(a, b);
        // An arrow out of the front's middle, towards the facing.
        const QPointF middle = (a + b) / 2;
        const QPointF out = towards(imageAngle(m_reading.up, m_input.facing)) * (18 * m_unit);
        const QPointF side(-out.y() / 3, out.x() / 3);
        m_p.setBrush(FrontInk);
        m_p.setPen(Qt::NoPen);
        m_p.drawPolygon(QPolygonF{middle + out, middle + side, middle - side});
        if (m_options.selectedCorner >= 0 && m_options.selectedCorner < outline.size()) {
            m_p.setPen(pen(Ink, 1.5));
            m_p.setBrush(QColor(255, 230, 0));
            m_p.drawEllipse(outline[m_options.selectedCorner], 5 * m_unit, 5 * m_unit);
        }
    }

    void centre()
    {
        const double r = 5 * m_unit;
        m_p.setPen(pen(Ink, 2));
        m_p.setBrush(m_reading.centre.inside ? QBrush(Ink) : QBrush(Halo));
        m_p.drawEllipse(m_centre, r, r);
        m_p.drawLine(m_centre - QPointF(2 * r, 0), m_centre + QPointF(2 * r, 0));
        m_p.drawLine(m_centre - QPointF(0, 2 * r), m_centre + QPointF(0, 2 * r));
    }

    void wedges()
    {
        m_p.setPen(pen(LineInk, 1.5, Qt::DashLine));
        for (int s = 0; s < SectorCount; ++s) {
            const double line = imageAngle(m_reading.up, s * SectorWidth + SectorWidth / 2);
            m_p.drawLine(m_centre, m_centre + towards(line) * m_ring);
        }
        for (int s = 0; s < SectorCount; ++s) {
            const QPointF place =
                m_centre + towards(imageAngle(m_reading.up, s * SectorWidth)) * (0.55 * m_ring);
            palace(CompassPalaces[std::size_t(s)], place);
        }
    }

    void grid()
    {
        for (const GridCell &cell : m_reading.cells) {
            QPolygonF square;
            for (const PlanPoint &corner : cell.corners)
                square << at(corner);
            if (cell.missing)
                hatch(square);
            stroke(square, LineInk, 1.5, Qt::DashLine, false);
            palace(cell.palace, centroidOf(square));
        }
    }

    void ring()
    {
        m_p.setPen(pen(LineInk, 1.2));
        m_p.setBrush(Qt::NoBrush);
        m_p.drawEllipse(m_centre, m_ring, m_ring);
        m_p.drawEllipse(m_centre, m_ring + 22 * m_unit, m_ring + 22 * m_unit);
        setSize(11);
        for (int k = 0; k < MountainCount; ++k) {
            const double edge = imageAngle(m_reading.up, mountainCentre(k) - MountainHalfWidth);
            const double width = k % 3 == 0 ? 2.2 : 1.0; // sector boundaries heavier
            m_p.setPen(pen(LineInk, width));
            m_p.drawLine(m_centre + towards(edge) * m_ring,
                         m_centre + towards(edge) * (m_ring + 22 * m_unit));
            const QPointF place = m_centre + towards(imageAngle(m_reading.up, mountainCentre(k))) *
                                                 (m_ring + 11 * m_unit);
            label(QString::fromUtf8(Mountains[std::size_t(k)].name), place, Ink);
        }
    }

    void rooms()
    {
        setSize(10);
        for (std::size_t i = 0; i < m_input.rooms.size(); ++i) {
            const QPolygonF room = polygonOf(m_input.rooms[i].points);
            stroke(room, RoomInk, 1.5, Qt::SolidLine, false);
            label(QString::fromStdString(m_input.rooms[i].name), centroidOf(room), RoomInk);
        }
        for (std::size_t i = 0; i < m_input.outside.size(); ++i) {
            const QPolygonF area = polygonOf(m_input.outside[i].points);
            stroke(area, RoomInk, 1.5, Qt::DotLine, false);
            const int palace = i < m_reading.outside.size() ? m_reading.outside[i].palace : 0;
            label(PlanPicture::tr("%1 (%2)")
                      .arg(QString::fromStdString(m_input.outside[i].name),
                           report::compassCode(palace)),
                  centroidOf(area), RoomInk);
        }
    }

    void setStars(const std::optional<OverlayStars> &stars) { m_stars = stars; }

    // The ring's outer edge and the names beyond it.
    QRectF reach() const
    {
        const double r = m_ring + 34 * m_unit;
        return {m_centre - QPointF(r, r), QSizeF(2 * r, 2 * r)};
    }

private:
    QPen pen(const QColor &colour, double width, Qt::PenStyle style = Qt::SolidLine) const
    {
        QPen pen(colour, width * m_unit, style);
        pen.setCosmetic(false);
        pen.setJoinStyle(Qt::RoundJoin);
        return pen;
    }

    // A line drawn over a white one a little wider, so that it shows on a dark drawing too.
    void stroke(const QPolygonF &polygon, const QColor &colour, double width, Qt::PenStyle style,
                bool closedHalo)
    {
        m_p.setBrush(Qt::NoBrush);
        if (closedHalo) {
            m_p.setPen(pen(Halo, width + 2.5));
            m_p.drawPolygon(polygon);
        }
        m_p.setPen(pen(colour, width, style));
        m_p.drawPolygon(polygon);
    }

    // Diagonal lines across a missing cell, as lines rather than a brush pattern, which a PDF
    // would carry as an image.
    void hatch(const QPolygonF &cell)
    {
        const QRectF box = cell.boundingRect();
        const double step = 10 * m_unit;
        QPainterPath path;
        for (double d = 0; d < box.width() + box.height(); d += step)
            path.addPolygon(QPolygonF{box.topLeft() + QPointF(d, 0),
                                      box.topLeft() + QPointF(d - box.height(), box.height())});
        QPainterPath clip;
        clip.addPolygon(cell);
        m_p.save();
        m_p.setClipPath(clip, Qt::IntersectClip);
        m_p.setPen(pen(HatchInk, 1));
        m_p.setBrush(Qt::NoBrush);
        m_p.drawPath(path);
        m_p.restore();
    }

    void setSize(double pixels)
    {
        QFont font = m_options.font;
        font.setPixelSize(std::max(1, int(std::lround(pixels * m_unit))));
        m_p.setFont(font);
    }

    // Text centred on a point, on a white plate so that it reads over the drawing.
    void label(const QString &text, QPointF centre, const QColor &colour, const QColor &edge = {})
    {
        const QFontMetricsF metrics(m_p.font());
        const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
        const QRectF plate(centre - QPointF(size.width() / 2, size.height() / 2), size);
        const double pad = 2 * m_unit;
        m_p.setPen(edge.isValid() ? pen(edge, 2) : QPen(Qt::NoPen));
        m_p.setBrush(Halo);
        m_p.drawRoundedRect(plate.adjusted(-pad, -pad / 2, pad, pad / 2), pad, pad);
        m_p.setPen(colour);
        m_p.drawText(plate, Qt::AlignCenter, text);
    }

    // A palace's code, then its stars as the chart writes them: mountain left, facing right,
    // time below; the year's and the month's under those. Its tone frames it.
    void palace(int palace, QPointF place)
    {
        setSize(11);
        const double line = QFontMetricsF(m_p.font()).height() * 1.15;
        const bool stars = m_options.stars && m_stars.has_value();
        const double rows = stars ? (m_stars->annual ? 4 : 3) : 1;
        QPointF top = place - QPointF(0, line * (rows - 1) / 2);
        const QColor edge = stars && m_stars->tones
                                ? ToneInk[int((*m_stars->tones)[std::size_t(palace)])]
                                : QColor();
        label(report::compassCode(palace), top, Ink, edge);
        if (!stars)
            return;
        const auto star = [&](const Stars &s) { return QString::number(s[std::size_t(palace)]); };
        setSize(13);
        top += QPointF(0, line);
        label(star(m_stars->mountain) + QStringLiteral("  ") + star(m_stars->facing), top, Ink);
        top += QPointF(0, line);
        label(star(m_stars->time), top, Ink);
        if (m_stars->annual) {
            top += QPointF(0, line);
            setSize(10);
            label(m_stars->monthly ? star(*m_stars->annual) + QStringLiteral(" · ") +
                                         star(*m_stars->monthly)
                                   : star(*m_stars->annual),
                  top, LineInk);
        }
    }

    QPainter &m_p;
    const PlanInput &m_input;
    const PlanReading &m_reading;
    const OverlayOptions &m_options;
    std::optional<OverlayStars> m_stars;
    double m_unit; // one pixel of an 800-pixel plan
    QPointF m_centre;
    double m_ring = 0;
};

// Qualified in full: after a return type from another namespace lupdate would file the
// message under a context that tr() never asks for.
store::StoreError cannotWrite(const QString &path, const QString &reason)
{
    return store::StoreError(store::StoreError::Kind::FileError,
                             orrindel::PlanPicture::tr("Cannot write the plan %1: %2")
                                 .arg(QDir::toNativeSeparators(path), reason));
}

// Draws the plan and its overlay on a device of the plan's size, written aside and put in
// place whole.
template <typename Paint>
void writeWhole(const QString &path, Paint paint)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw cannotWrite(path, file.errorString());
    if (!paint(file))
        throw cannotWrite(path, PlanPicture::tr("the picture cannot be drawn"));
    if (!file.commit())
        throw cannotWrite(path, file.errorString());
}

} // namespace

void drawPlanOverlay(QPainter &painter, QSizeF imageSize, const PlanInput &input,
                     const PlanReading &reading, const std::optional<OverlayStars> &stars,
                     const OverlayOptions &options)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    Overlay overlay(painter, imageSize, input, reading, options);
    overlay.setStars(stars);
    if (options.ring)
        overlay.ring();
    if (options.grid)
        overlay.grid();
    else
        overlay.wedges();
    if (options.rooms)
        overlay.rooms();
    overlay.outline();
    overlay.centre();
    painter.restore();
}

QRectF overlayBounds(QSizeF imageSize, const PlanInput &input, const PlanReading &reading,
                     const OverlayOptions &options)
{
    const QRectF image(QPointF(0, 0), imageSize);
    if (input.outline.empty() || !options.ring)
        return image;
    QPainter none;
    return image.united(Overlay(none, imageSize, input, reading, options).reach());
}

void renderPlanPng(const QImage &plan, const PlanInput &input, const PlanReading &reading,
                   const std::optional<OverlayStars> &stars, const OverlayOptions &options,
                   const QString &path)
{
    writeWhole(path, [&](QIODevice &device) {
        QImage picture = plan.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        {
            QPainter painter(&picture);
            drawPlanOverlay(painter, picture.size(), input, reading, stars, options);
        }
        return picture.save(&device, "png");
    });
}

void renderPlanPdf(const QImage &plan, const PlanInput &input, const PlanReading &reading,
                   const std::optional<OverlayStars> &stars, const OverlayOptions &options,
                   const QString &path)
{
    writeWhole(path, [&](QIODevice &device) {
        QPdfWriter pdf(&device);
        // One page holding the plan and its ring at 150 pixels an inch, without margins.
        constexpr double Dpi = 150;
        const QRectF bounds = overlayBounds(plan.size(), input, reading, options);
        pdf.setResolution(int(Dpi));
        pdf.setPageMargins(QMarginsF());
        pdf.setPageSize(QPageSize(bounds.size() / Dpi * 72, QPageSize::Point, {},
                                  QPageSize::ExactMatch));
        pdf.setTitle(PlanPicture::tr("Floor plan"));
        QPainter painter;
        if (!painter.begin(&pdf))
            return false;
        const QRect page = painter.viewport();
        painter.scale(page.width() / bounds.width(), page.height() / bounds.height());
        painter.translate(-bounds.topLeft());
        painter.drawImage(QPointF(0, 0), plan);
        drawPlanOverlay(painter, plan.size(), input, reading, stars, options);
        return painter.end();
    });
}

void writePlanPicture(const store::Plan &plan, const PlanInput &input,
                      const std::optional<OverlayStars> &stars, bool grid, PlanFileFormat format,
                      const QString &path)
{
    const QImage picture = plan::renderPlan(plan::checkPlan(plan.image, plan.page));
    PlanReading reading;
    try {
        reading = readPlan(input);
    } catch (const PlanError &error) {
        throw store::StoreError(store::StoreError::Kind::Invalid,
                                QString::fromUtf8(error.what()));
    }
    OverlayOptions options;
    options.grid = grid;
    options.font = reportFonts().text;
    if (format == PlanFileFormat::Pdf)
        renderPlanPdf(picture, input, reading, stars, options, path);
    else
        renderPlanPng(picture, input, reading, stars, options, path);
}

} // namespace render

} // namespace orrindel
