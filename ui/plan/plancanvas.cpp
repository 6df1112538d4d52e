#include "plancanvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <cmath>
#include <utility>

namespace orrindel {

namespace {

// How near the pointer must be to a corner or an edge to take it, in screen pixels.
constexpr double HitRadius = 8.0;
constexpr double HandleRadius = 4.5;
constexpr double WheelStep = 1.15;

QPointF point(PlanPoint p)
{
    return {p.x, p.y};
}

PlanPoint planPoint(QPointF p)
{
    return {std::round(p.x()), std::round(p.y())};
}

QPolygonF polygon(const PlanPolygon &points)
{
    QPolygonF shown;
    for (const PlanPoint &p : points)
        shown << point(p);
    return shown;
}

double distanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t =
        length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
    const QPointF d = p - (a + t * ab);
    return std::hypot(d.x(), d.y());
}

} // namespace

PlanPolygon *shapePoints(PlanInput &input, PlanShape shape)
{
    const auto at = [&shape](std::vector<NamedPolygon> &list) -> PlanPolygon * {
        return shape.index >= 0 && shape.index < int(list.size()) ? &list[shape.index].points
                                                                   : nullptr;
    };
    switch (shape.kind) {
    case PlanShape::Room: return at(input.rooms);
    case PlanShape::Outside: return at(input.outside);
    default: return &input.outline;
    }
}

const PlanPolygon *shapePoints(const PlanInput &input, PlanShape shape)
{
    return shapePoints(const_cast<PlanInput &>(input), shape);
}

PlanCanvas::PlanCanvas(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void PlanCanvas::setImage(const QImage &image)
{
    m_image = image;
    m_fitted = true;
    fit();
}

void PlanCanvas::setPlan(const PlanInput &input)
{
    m_plan = input;
    const PlanPolygon *points = shapePoints(m_plan, m_shape);
    if (!points)
        m_shape = {};
    if (m_selected >= int(shapePoints(m_plan, m_shape)->size()))
        select(-1);
    read();
    update();
}

void PlanCanvas::setShape(PlanShape shape)
{
    m_shape = shapePoints(m_plan, shape) ? shape : PlanShape{};
    select(-1);
    update();
}

void PlanCanvas::setOverlay(Overlay overlay)
{
    m_overlay = std::move(overlay);
    update();
}

void PlanCanvas::select(int corner)
{
    if (corner == m_selected)
        return;
    m_selected = corner;
    update();
    emit selectionChanged(corner);
}

void PlanCanvas::read()
{
    try {
        m_reading = readPlan(m_plan);
        m_readError.clear();
    } catch (const PlanError &error) {
        m_reading.reset();
        m_readError = QString::fromStdString(error.what());
    }
}

void PlanCanvas::fit()
{
    if (m_image.isNull() || width() <= 0 || height() <= 0)
        return;
    const double scale = std::min(width() / double(m_image.width()),
                                  height() / double(m_image.height()));
    m_view = QTransform::fromTranslate((width() - m_image.width() * scale) / 2,
                                       (height() - m_image.height() * scale) / 2)
                 .scale(scale, scale);
    m_fitted = true;
    update();
}

void PlanCanvas::zoomBy(double factor)
{
    // About the middle of the view, so that what is looked at stays there.
    const QPointF middle = toImage(rect().center());
    m_view = QTransform(m_view).translate(middle.x(), middle.y()).scale(factor, factor).translate(
        -middle.x(), -middle.y());
    m_fitted = false;
    update();
}

void PlanCanvas::nudge(int dx, int dy)
{
    PlanInput input = m_plan;
    PlanPolygon *points = shapePoints(input, m_shape);
    if (m_selected < 0 || m_selected >= int(points->size()))
        return;
    (*points)[m_selected].x += dx;
    (*points)[m_selected].y += dy;
    finish(input, tr("Move Corner"));
}

QPointF PlanCanvas::toImage(QPointF widget) const
{
    return m_view.inverted().map(widget);
}

int PlanCanvas::cornerAt(QPointF widget) const
{
    const PlanPolygon &points = *shapePoints(m_plan, m_shape);
    for (int i = int(points.size()) - 1; i >= 0; --i) {
        const QPointF d = m_view.map(point(points[i])) - widget;
        if (std::hypot(d.x(), d.y()) <= HitRadius)
            return i;
    }
    return -1;
}

int PlanCanvas::edgeAt(QPointF widget) const
{
    const PlanPolygon &points = *shapePoints(m_plan, m_shape);
    const int n = int(points.size());
    for (int i = 0; n >= 2 && i < n; ++i) {
        const QPointF a = m_view.map(point(points[i]));
        const QPointF b = m_view.map(point(points[(i + 1) % n]));
        if (distanceToSegment(widget, a, b) <= HitRadius)
            return i;
    }
    return -1;
}

bool PlanCanvas::nearCentre(QPointF widget) const
{
    if (m_plan.centreMode != CentreMode::Point)
        return false;
    const QPointF d = m_view.map(point(m_plan.at)) - widget;
    return std::hypot(d.x(), d.y()) <= HitRadius;
}

void PlanCanvas::finish(const PlanInput &input, const QString &what)
{
    // The window makes the edit one to undo, and hands the plan back through setPlan.
    emit edited(input, what);
}

void PlanCanvas::mousePressEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    m_before = m_plan;
    if (event->button() == Qt::MiddleButton ||
        (event->button() == Qt::LeftButton && event->modifiers() & Qt::ControlModifier)) {
        m_drag = Drag::Pan;
        m_grab = at;
        return;
    }
    if (event->button() != Qt::LeftButton || m_image.isNull())
        return;
    if (const int corner = cornerAt(at); corner >= 0) {
        select(corner);
        m_drag = Drag::Corner;
    } else if (nearCentre(at)) {
        m_drag = Drag::Centre;
    } else if (m_image.rect().contains(toImage(at).toPoint())) {
        // On an edge the corner goes between its ends; elsewhere it follows the last one,
        // which is the same as going on the closing edge.
        PlanInput input = m_plan;
        PlanPolygon *points = shapePoints(input, m_shape);
        const int edge = edgeAt(at);
        const int index = edge >= 0 ? edge + 1 : int(points->size());
        points->insert(points->begin() + index, planPoint(toImage(at)));
        finish(input, edge >= 0 ? tr("Insert Corner") : tr("Add Corner"));
        select(index);
    }
}

void PlanCanvas::moveDragged(QPointF widget)
{
    const PlanPoint at = planPoint(toImage(widget));
    if (m_drag == Drag::Corner)
        (*shapePoints(m_plan, m_shape))[m_selected] = at;
    else
        m_plan.at = at;
    read();
    update();
}

void PlanCanvas::mouseMoveEvent(QMouseEvent *event)
{
    if (m_drag == Drag::Pan) {
        const QPointF by = event->position() - m_grab;
        m_grab = event->position();
        m_view *= QTransform::fromTranslate(by.x(), by.y());
        m_fitted = false;
        update();
    } else if (m_drag != Drag::None) {
        moveDragged(event->position());
    }
}

void PlanCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    const Drag drag = std::exchange(m_drag, Drag::None);
    if (drag != Drag::Corner && drag != Drag::Centre)
        return;
    moveDragged(event->position());
    const PlanInput moved = std::exchange(m_plan, m_before);
    const auto place = [&](const PlanInput &input) {
        return drag == Drag::Centre ? input.at : (*shapePoints(input, m_shape))[m_selected];
    };
    if (place(moved).x != place(m_before).x || place(moved).y != place(m_before).y)
        finish(moved, drag == Drag::Centre ? tr("Move Centre") : tr("Move Corner"));
    else
        setPlan(m_before);
}

void PlanCanvas::wheelEvent(QWheelEvent *event)
{
    const QPointF about = toImage(event->position());
    const double factor = std::pow(WheelStep, event->angleDelta().y() / 120.0);
    m_view = QTransform(m_view).translate(about.x(), about.y()).scale(factor, factor).translate(
        -about.x(), -about.y());
    m_fitted = false;
    update();
}

void PlanCanvas::keyPressEvent(QKeyEvent *event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Left: nudge(-step, 0); break;
    case Qt::Key_Right: nudge(step, 0); break;
    case Qt::Key_Up: nudge(0, -step); break;
    case Qt::Key_Down: nudge(0, step); break;
    // With or without Ctrl, as the keys of a viewer: + and = zoom in, - out, 0 fits the plan.
    case Qt::Key_Plus: case Qt::Key_Equal: zoomBy(WheelStep); break;
    case Qt::Key_Minus: zoomBy(1 / WheelStep); break;
    case Qt::Key_0: fit(); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void PlanCanvas::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_fitted)
        fit();
}

void PlanCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(m_view);
    if (!m_image.isNull())
        painter.drawImage(QPointF(0, 0), m_image);
    if (m_reading && m_overlay)
        m_overlay(painter, m_plan, *m_reading);

    // Until the plan reads, the overlay cannot draw it: what is traced is drawn here.
    if (!m_reading || !m_overlay) {
        QPen line(palette().color(QPalette::Highlight), 2);
        line.setCosmetic(true);
        painter.setPen(line);
        for (const PlanPolygon *points :
             {&m_plan.outline, shapePoints(m_plan, m_shape)})
            painter.drawPolyline(polygon(*points));
    }

    // The handles stay the same size on screen.
    painter.resetTransform();
    const PlanPolygon &points = *shapePoints(m_plan, m_shape);
    painter.setPen(QPen(palette().color(QPalette::Text), 1));
    for (int i = 0; i < int(points.size()); ++i) {
        painter.setBrush(i == m_selected ? palette().color(QPalette::Highlight)
                                         : palette().color(QPalette::Base));
        painter.drawEllipse(m_view.map(point(points[i])), HandleRadius, HandleRadius);
    }
}

} // namespace orrindel
