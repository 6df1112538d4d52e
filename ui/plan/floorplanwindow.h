#pragma once

#include "engine/plan.h"
#include "report/chartreport.h"
#include "report/document.h"
#include "store/plan.h"
#include "plancanvas.h"

#include <QDialog>
#include <QUndoStack>

#include <functional>
#include <optional>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace orrindel {

namespace platform {
class MsgBox;
}

class PlanCanvas;

// A house's floor plans: its floors, and on the one chosen, the outline, rooms and outside areas
// traced over the plan with the chart read on it, a palace to each sector and cell. Every edit
// can be undone and is saved to the register as it is made.
class FloorPlanWindow : public QDialog
{
    Q_OBJECT
public:
    // What the window asks of the user, behind seams so that tests can answer.
    struct Ask
    {
        std::function<QString(QWidget *)> planFile;              // empty when cancelled
        std::function<std::optional<int>(QWidget *, int)> page;  // of a PDF of that many
        std::function<std::optional<QString>(QWidget *, const QString &)> floorName;
    };

    FloorPlanWindow(store::HouseStore &houses, const store::House &house, platform::MsgBox &msgBox,
                    QWidget *parent = nullptr);
    ~FloorPlanWindow() override;

    void setAsk(Ask ask) { m_ask = std::move(ask); }
    qint64 house() const { return m_house.id; }
    qint64 shownPlan() const { return m_plan; }
    QUndoStack &undoStack() { return m_undo; }
    const PlanCanvas &canvas() const { return *m_canvas; }

    void addPlan();
    void renameFloor();
    void removeFloor();
    void moveFloor(int by);
    void showFloor(int row);
    void addShape(PlanShape::Kind kind);
    void removeShape();
    void deleteCorner();
    void makeFront();
    // Makes the plan shown this one, saved; the undo commands come through here.
    void apply(qint64 plan, const PlanInput &input);

private:
    void buildCommands(QBoxLayout *into);
    void reloadFloors(qint64 select);
    void edit(const PlanInput &input, const QString &what);
    void readChart();
    void fillShapes();
    void fillCorners();
    void fillPalaces();
    void cornerEdited(int row, int column);
    void updateCommands();
    // Runs a change of the register; a refusal is shown and changes nothing.
    bool change(const std::function<void()> &step);

    store::PlanStore m_plans;
    store::House m_house;
    double m_facing = 0;
    platform::MsgBox &m_msgBox;
    Ask m_ask;
    QList<store::Plan> m_floors;
    qint64 m_plan = 0; // the plan shown, 0 for none
    std::optional<report::ChartReading> m_chart;
    std::optional<report::PlanStars> m_stars; // what the overlay writes in each palace
    QUndoStack m_undo;
    bool m_filling = false; // the tables are being filled, not edited

    QListWidget *m_floorList = nullptr;
    QComboBox *m_shapes = nullptr;
    QLineEdit *m_shapeName = nullptr;
    QComboBox *m_centreMode = nullptr;
    QCheckBox *m_grid = nullptr, *m_ring = nullptr;
    QCheckBox *m_monthShown = nullptr;
    QDateEdit *m_month = nullptr;
    PlanCanvas *m_canvas = nullptr;
    QTableWidget *m_corners = nullptr;
    QTableWidget *m_palaceTable = nullptr;
    QLabel *m_status = nullptr;
    QList<QPushButton *> m_planCommands; // need a plan on show
};

} // namespace orrindel
