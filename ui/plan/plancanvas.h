#pragma once

#include "engine/plan.h"

#include <QImage>
#include <QPointF>
#include <QTransform>
#include <QWidget>

#include <functional>
#include <optional>

namespace orrindel {

// Which of the plan's polygons the canvas edits: the outline, or a room or outside area.
struct PlanShape
{
    enum Kind { Outline, Room, Outside } kind = Outline;
    int index = 0; // of the room or outside area
    friend bool operator==(PlanShape, PlanShape) = default;
};

// The polygon of the plan a shape names, or null when there is none.
PlanPolygon *shapePoints(PlanInput &input, PlanShape shape);
const PlanPolygon *shapePoints(const PlanInput &input, PlanShape shape);

// The plan's image with what is traced on it, in image pixels however it is zoomed. A click on
// empty floor adds a corner to the shape being traced and one on an edge inserts it there, a
// corner is dragged, and in point mode the centre is dragged. It reads the plan itself,
// live while a corner moves, and tells the window each finished edit as the whole new plan.
class PlanCanvas : public QWidget
{
    Q_OBJECT
signals:
    void edited(const orrindel::PlanInput &input, const QString &what);
    void selectionChanged(int corner);

public:
    // Draws what the plan reads as; set by the window, which knows the chart's stars.
    using Overlay = std::function<void(QPainter &, const PlanInput &, const PlanReading &)>;

    explicit PlanCanvas(QWidget *parent = nullptr);

    void setImage(const QImage &image);
    void setPlan(const PlanInput &input);
    void setShape(PlanShape shape);
    void setOverlay(Overlay overlay);
    void select(int corner);

    const PlanInput &plan() const { return m_plan; }
    // Empty, with the engine's reason in readError(), while the plan cannot be read.
    const std::optional<PlanReading> &reading() const { return m_reading; }
    const QString &readError() const { return m_readError; }
    PlanShape shape() const { return m_shape; }
    int selected() const { return m_selected; }
    double zoom() const { return m_view.m11(); }
    QSizeF imageSize() const { return m_image.size(); }
    QPointF onScreen(PlanPoint p) const { return m_view.map(QPointF(p.x, p.y)); }

    void fit();
    void zoomBy(double factor);
    // Moves the selected corner by whole image pixels, as one edit.
    void nudge(int dx, int dy);

    QSize sizeHint() const override { return {420, 320}; }
    QSize minimumSizeHint() const override { return {160, 120}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    enum class Drag { None, Corner, Centre, Pan };

    void read();
    QPointF toImage(QPointF widget) const;
    int cornerAt(QPointF widget) const;
    int edgeAt(QPointF widget) const;
    bool nearCentre(QPointF widget) const;
    void moveDragged(QPointF widget);
    void finish(const PlanInput &input, const QString &what);

    QImage m_image;
    PlanInput m_plan;
    std::optional<PlanReading> m_reading;
    QString m_readError;
    PlanShape m_shape;
    Overlay m_overlay;
    QTransform m_view; // image pixels to the widget's
    bool m_fitted = true; // refits on resize until the user zooms or pans
    int m_selected = -1;
    Drag m_drag = Drag::None;
    PlanInput m_before; // the plan as the drag found it
    QPointF m_grab;     // where the pan began, in the widget
};

} // namespace orrindel

Q_DECLARE_METATYPE(orrindel::PlanShape)
